#pragma once

// Small models the window tests import.
namespace kelvane::test {

// A portal frame in the XZ plane: two columns and a beam, a fixed and a pinned support, one
// material, two frame sections and one joint force in the case PUSH.
inline constexpr const char* kPortalFrameS2k = R"(SYSTEM
  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N

JOINT
  1  X=0  Y=0  Z=0
  2  X=0  Y=0  Z=3000
  3  X=6000  Y=0  Z=3000
  4  X=6000  Y=0  Z=0

RESTRAINT
  ADD=1  DOF=U1,U2,U3,R1,R2,R3
  ADD=4  DOF=U1,U2,U3

MATERIAL
  NAME=CONC  IDES=C  M=2.4E-09  W=2.36E-05
    T=0  E=30000  U=.2  A=9.9E-06

FRAME SECTION
  NAME=NCOL  MAT=CONC  SH=R  T=500,500
  NAME=NBEAM  MAT=CONC  SH=R  T=600,300

FRAME
  1  J=1,2  SEC=NCOL  NSEG=2  ANG=0
  2  J=2,3  SEC=NBEAM  NSEG=2  ANG=30.5
  3  J=4,3  SEC=NCOL  NSEG=2  ANG=0

LOAD
  NAME=PUSH
    TYPE=FORCE
      ADD=2  UX=12345  UZ=-1600

END
)";

// The portal frame with a coordinate that is not a number.
inline constexpr const char* kBadCoordinateS2k = R"(SYSTEM
  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N

JOINT
  1  X=0  Y=0  Z=0
  2  X=abc  Y=0  Z=3000

END
)";

// The portal frame in SAP2000's table format, in kN and m, with joint labels A1, A2, B2, B1.
inline constexpr const char* kPortalFrameTables = R"(File portal.$2k was saved on 1/1/24 at 9:00:00

TABLE:  "PROGRAM CONTROL"
   ProgramName=SAP2000   Version=24.0.0   CurrUnits="KN, m, C"

TABLE:  "JOINT COORDINATES"
   Joint=A1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0
   Joint=A2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=3
   Joint=B2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=6   Y=0   Z=3
   Joint=B1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=6   Y=0   Z=0

TABLE:  "JOINT RESTRAINT ASSIGNMENTS"
   Joint=A1   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes
   Joint=B1   U1=Yes   U2=Yes   U3=Yes   R1=No   R2=No   R3=No

TABLE:  "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES"
   Material=C30   UnitWeight=25   UnitMass=0   E1=30000000   U12=0.2

TABLE:  "FRAME SECTION PROPERTIES 01 - GENERAL"
   SectionName=C400   Material=C30   Shape=Rectangular   t3=0.4   t2=0.4
   SectionName=B300X600   Material=C30   Shape=Rectangular   t3=0.6   t2=0.3

TABLE:  "CONNECTIVITY - FRAME"
   Frame=C1   JointI=A1   JointJ=A2
   Frame=BM   JointI=A2   JointJ=B2
   Frame=C2   JointI=B1   JointJ=B2

TABLE:  "FRAME SECTION ASSIGNMENTS"
   Frame=C1   AnalSect=C400
   Frame=BM   AnalSect=B300X600
   Frame=C2   AnalSect=C400

TABLE:  "LOAD PATTERN DEFINITIONS"
   LoadPat=PUSH   DesignType=Other   SelfWtMult=0

TABLE:  "JOINT LOADS - FORCE"
   Joint=A2   LoadPat=PUSH   CoordSys=GLOBAL   F1=10   F2=0   F3=0   M1=0   M2=0   M3=0

END TABLE DATA
)";

// The table-format portal with a frame that names a joint the file does not have.
inline constexpr const char* kBadJointTables = R"(TABLE:  "JOINT COORDINATES"
   Joint=A1   XorR=0   Y=0   Z=0
   Joint=A2   XorR=0   Y=0   Z=3

TABLE:  "CONNECTIVITY - FRAME"
   Frame=C1   JointI=A1   JointJ=A9
)";

} // namespace kelvane::test
