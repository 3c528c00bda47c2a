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

} // namespace kelvane::test
