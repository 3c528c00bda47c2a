#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The in-memory structural model: plain records in 1-based arrays. Entry 0 of every array exists,
// is zero-filled and is never a model object. Counts may be -1 after an import whose table was
// missing; every loop runs 1..count and so treats -1 as 0.
namespace kelvane {

// Degree-of-freedom arrays are 1-based like the rest of the store: index 1..6 is U1, U2, U3, R1, R2, R3.
using DofFlags = std::array<std::int32_t, 7>;
using DofValues = std::array<double, 7>;

// A part of a record that most records leave at its defaults, held out of line so that the arrays
// of a large model stay small (every pass over a million frames streams through them). Reading
// gives the defaults where nothing was set; edit() gives the record its own copy to change.
template <class T> class OutOfLine {
  public:
    OutOfLine() = default;
    OutOfLine(const OutOfLine& other) : value_(other.value_ ? std::make_unique<T>(*other.value_) : nullptr) {}
    OutOfLine& operator=(const OutOfLine& other) {
        if (this != &other)
            value_ = other.value_ ? std::make_unique<T>(*other.value_) : nullptr;
        return *this;
    }
    OutOfLine(OutOfLine&&) noexcept = default;
    OutOfLine& operator=(OutOfLine&&) noexcept = default;
    ~OutOfLine() = default;

    const T& operator*() const { return value_ ? *value_ : defaults(); }
    const T* operator->() const { return &**this; }
    T& edit() {
        if (!value_)
            value_ = std::make_unique<T>();
        return *value_;
    }

  private:
    static const T& defaults() {
        static const T value{};
        return value;
    }
    std::unique_ptr<T> value_;
};

// What the table format assigns to a joint beyond its place, restraints and mass.
struct JointAssignments {
    // A spring to the ground: stiffness per component 1..6 (U1, U2, U3, R1, R2, R3) along the
    // joint's local axes; 0: none. The local axes 1 and 2 as unit vectors in global axes, both zero
    // where they are the global X and Y.
    DofValues spring{};
    std::array<double, 3> localAxis1{}, localAxis2{};
};

struct TNODE {
    double x = 0, y = 0, z = 0;
    double ux = 0, uy = 0, uz = 0;
    std::int32_t ScreenX = 0, ScreenY = 0;
    DofFlags restraint{};
    DofValues mass{};
    std::int32_t tiedTo = 0;
    std::vector<double> histUX, histUY, histUZ;
    std::string label; // the file's joint name (table format); empty for version-6 files
    OutOfLine<JointAssignments> assigned;
};

// What the table format assigns to a frame beyond its joints, section and local axes.
struct FrameAssignments {
    // End releases in the frame's local components 1..6: P, V2, V3, T, M2, M3 at end I and at end J.
    // A released component is free, or held by a partial fixity spring of the stiffness `fixity`
    // gives (0: none).
    DofFlags releaseI{}, releaseJ{};
    DofValues fixityI{}, fixityJ{};
    double addedMassPerLength = 0; // FRAME ADDED MASS ASSIGNMENTS, whatever the mass source
    // Property modifiers, multiplying the section's own: area, shear areas along 2 and 3, torsion
    // constant, I22, I33; and the mass and weight.
    double areaModifier = 1, shear2Modifier = 1, shear3Modifier = 1, torsionModifier = 1;
    double i22Modifier = 1, i33Modifier = 1, massModifier = 1, weightModifier = 1;
    // Where the element ends, from each joint, in global axes: the insertion point's offset plus
    // the rigid part of the end length offset (zero: at the joint).
    std::array<double, 3> offsetI{}, offsetJ{};
};

struct TFRAME {
    std::string sectionName;
    std::int32_t section = 0;
    std::int32_t nodeI = 0, nodeJ = 0;
    double angle = 0;
    double axis2X = 0, axis2Y = 0, axis2Z = 0;
    std::int32_t ScreenX = 0, ScreenY = 0, AxisTipX = 0, AxisTipY = 0;
    std::int32_t HingeIX = 0, HingeIY = 0, HingeJX = 0, HingeJY = 0;
    std::int32_t segments = 0;
    double hingeValueI = 0, hingeValueJ = 0;
    // Whether the last section-deformation read found values for the first and the last section.
    bool hasHingeValueI = false, hasHingeValueJ = false;
    std::int32_t release = 0; // rigid links: 0 none, 1 IREL, 2 JREL
    // The end forces of the last force read, in the frame's local axes 1, 2, 3 and the sign
    // convention of the model file: N (the file's P), V2, V3, T, M2, M3 at end I, then at end J.
    // hasEndForces is false for a frame without force output (a rigid link, no element).
    std::array<double, 12> endForces{};
    bool hasEndForces = false;
    std::string label; // the file's frame name (table format); empty for version-6 files
    OutOfLine<FrameAssignments> assigned;
};

struct Fiber {
    double y = 0, z = 0, area = 0;
    std::int32_t material = 0;
};

inline constexpr int kFiberCapacity = 80;

enum SectionShape : std::int32_t { ShapeNone = 0, ShapeRectangle = 1, ShapeI = 2, ShapeBox = 3, ShapePipe = 4 };
// The solid circle (t1 the diameter) and the open steel shapes of the table format, all meshed about
// their centroid: t1 depth, t2 width (of both parts of a double shape), t3 flange thickness, t4 web
// thickness, t5 the gap between the two parts of a double shape.
enum RoundAndOpenShape : std::int32_t {
    ShapeCircle = 5,
    ShapeChannel = 6,
    ShapeAngle = 7,
    ShapeTee = 8,
    ShapeDoubleAngle = 9,
    ShapeDoubleChannel = 10,
};

// One longitudinal bar of a section: its centre (y, z in the fiber mesh's axes) and its own area.
struct RebarBar {
    double y = 0, z = 0, area = 0;
};

enum ReinforcementKind : std::int32_t {
    ReinforcementNone = 0,
    ColumnRectangular = 1,
    ColumnCircular = 2,
    BeamTopBottom = 3,
};

// A concrete section's reinforcement as SAP2000 describes it (table format), in N and mm. A column
// has bars of one size: `bars3` along each of the two faces parallel to the local 3 axis (the faces
// at z = +-(depth/2 - inset)), `bars2` along each face parallel to the local 2 axis, corner bars
// counted in both; or `barsCircle` bars on a circle. Its cover is the clear cover to the ties. A
// beam has a top and a bottom layer of the areas the file gives, their covers to the bar centres.
struct TREINFORCEMENT {
    std::int32_t kind = ReinforcementNone;
    std::string barSize, tieSize; // as the file names them
    double barArea = 0, barDiameter = 0;
    double cover = 0, bottomCover = 0;
    std::int32_t bars3 = 0, bars2 = 0, barsCircle = 0;
    double topArea = 0, bottomArea = 0;
    // Transverse bars: size, spacing along the member, legs across the faces parallel to 2 and 3
    // (NumCBars2, NumCBars3), spiral or hoops of a circular column, their material (0: the bars').
    double tieArea = 0, tieDiameter = 0, tieSpacing = 0;
    std::int32_t tieLegs2 = 0, tieLegs3 = 0;
    bool spiral = false;
    std::int32_t tieMaterial = 0;
    double diameter = 0; // of a circular section (the fiber mesh's t1 and t2 stay those of its shape)
};

enum ElementType : std::int32_t {
    ElasticBeamColumn = 1,
    NonlinearBeamColumn = 2,
    DispBeamColumn = 3,
    BeamWithHinge = 4,
    Truss = 5,
    CorotTruss = 6,
    RigidLink = 7,
};

struct TSECTION {
    std::int32_t shape = 0;
    std::int32_t elementType = 0;
    double t1 = 0, t2 = 0, t3 = 0, t4 = 0, t5 = 0, t6 = 0;
    std::int32_t material = 0;
    std::string name;
    std::int32_t colour = 0; // 0xRRGGBB
    double area = 0, i22 = 0, i33 = 0, av2 = 0, av3 = 0, torsion = 0, shearModulus = 0;
    std::array<Fiber, kFiberCapacity + 1> fibers{}; // slots 1..80
    std::int32_t fiberCount = 0;
    std::int32_t divideFX = 0, divideFY = 0, barNumNX = 0, barNumNY = 0;
    double cover = 0;
    double topBar = 0, bottomBar = 0;
    std::int32_t sectionKind = 0; // 1 beam, 2 column
    std::int32_t geomTransf = 0;  // 1 Linear, 2 P-Delta, 3 Corotational
    double hingeLengthI = 0, hingeLengthJ = 0;
    // Confined core of a rectangle: the concrete fibers inside the bars' centre lines take this
    // material (0: none, every concrete fiber takes `material`).
    std::int32_t coreMaterial = 0;
    // The material of this section's bars (0: the analysis setting's rebar material).
    std::int32_t rebarMaterial = 0;
    // area, i22, i33, av2, av3 and torsion were read from the file (which includes fillets and the
    // property modifiers) and are not recomputed from the dimensions.
    bool propertiesFromFile = false;
    // An elastic beam-column of this section deflects in shear as well, through av2 and av3 (the
    // table format: SAP2000 includes shear deformation wherever a section has shear areas).
    bool shearDeformation = false;
    // Reinforced concrete from the model file: its description, and the bars it places, each at
    // its own position and area (empty: the bar counts and row areas above place the bars).
    TREINFORCEMENT reinforcement;
    std::vector<RebarBar> bars;
};

// What an area section carries, as SAP2000's area types: shells carry membrane and bending, plates
// bending only, membranes in-plane forces only. A version-6 "Shell" section is a thick shell.
enum AreaKind : std::int32_t {
    AreaShellThick = 0,
    AreaShellThin = 1,
    AreaPlateThin = 2,
    AreaPlateThick = 3,
    AreaMembrane = 4,
};

struct TAREASEC {
    double thickness = 0; // the membrane thickness, which also gives the area's weight
    std::int32_t isShell = 0;
    std::int32_t material = 0;
    std::string name;
    std::int32_t colour = 0;
    std::string materialName; // as the file names it, for messages when it matches no material
    std::int32_t kind = AreaShellThick;
    double bendThickness = 0; // of plate bending and transverse shear; 0: the thickness
    // A section made for areas with stiffness modifiers (table format): its material's E is taken
    // times elasticFactor, and its weight per area is thickness x unit weight x weightFactor.
    double elasticFactor = 1, weightFactor = 1;
};

struct TSHELL {
    std::string sectionName;
    std::int32_t section = 0;
    // Corners in ring order; node4 is 0 for a triangle (the table format's three-joint areas).
    std::int32_t node1 = 0, node2 = 0, node3 = 0, node4 = 0;
    std::string label; // the file's area name (table format); empty for version-6 files
};

struct TSOLID {
    std::int32_t section = 0;
    std::int32_t node1 = 0, node2 = 0, node3 = 0, node4 = 0, node5 = 0, node6 = 0, node7 = 0, node8 = 0;
    std::string label; // the file's solid name (table format); empty for version-6 files
};

// What the model file says a material is (version 6: IDES=; table format: Type=). The defaults of
// the nonlinear models follow it.
enum MaterialDesignType : std::int32_t {
    DesignOther = 0,
    DesignSteel = 1,
    DesignConcrete = 2,
    DesignRebar = 3
};

enum MaterialModel : std::int32_t {
    ModelElastic = 1,
    ModelSteel01 = 2,
    ModelConcrete01 = 3,
    ModelSteel02 = 4,
    ModelConcrete02 = 5
};

// The parameters of the nonlinear uniaxial models, named as OpenSees names them. Steel01 takes
// Fy, E0, b; Steel02 also R0, cR1, cR2. Concrete01 takes fpc, epsc0, fpcu, epsU; Concrete02 also
// lambda, ft, Ets. Concrete stresses and strains are held as magnitudes (positive); the script
// writes them negative, in compression, as OpenSees expects.
struct MaterialParameters {
    double Fy = 0, E0 = 0, b = 0, R0 = 0, cR1 = 0, cR2 = 0;
    double fpc = 0, epsc0 = 0, fpcu = 0, epsU = 0, lambda = 0, ft = 0, Ets = 0;
};

struct TMAT {
    std::string name;
    std::int32_t model = 0; // 1 Elastic, 2 Steel01, 3 Concrete01, 4 Steel02, 5 Concrete02
    double e = 0, nu = 0, g = 0;
    std::int32_t designType = DesignOther;
    double fy = 0, fc = 0;               // yield stress and concrete strength the file gives; 0 when none
    double unitWeight = 0, unitMass = 0; // per unit volume
    MaterialParameters parameters;       // of models 2..5
    bool added = false;                  // added by the user, not read from the model file
    // What the model file gives of the stress-strain curve (0: not given): tensile strength, the
    // expected yield stress, the strains where hardening starts, at Fu and at rupture (steel and
    // rebar); the concrete's strains at f'c and at its ultimate capacity.
    double fu = 0, expectedFy = 0, hardeningStrain = 0, strainAtFu = 0, ruptureStrain = 0;
    double strainAtFc = 0, ultimateStrain = 0;
};

enum LoadKind : std::int32_t {
    LoadNone = 0,
    LoadJointForce = 1,
    LoadDistributed = 2,
    LoadFrameSpan = 3,  // along part of a frame, or varying linearly (table format)
    LoadFramePoint = 4, // at a point of a frame (table format)
};

// A joint force: target is the joint, fx .. mz its components. A frame load: target is the frame,
// direction its local axis 1, 2 or 3 (the store's axes, those of the script). Kind 2 is uniform
// over the whole frame with intensity fx. Kind 3 runs from distA to distB (fractions of the
// length) with intensity fx at distA and fy at distB. Kind 4 is fx at distA. `moment` makes a
// kind 3 or 4 load a moment (per length) about the axis instead of a force along it.
struct TLOAD {
    std::int32_t target = 0;
    std::int32_t kind = 0;
    std::string caseName;
    std::int32_t direction = 0;
    double fx = 0, fy = 0, fz = 0, mx = 0, my = 0, mz = 0;
    double distA = 0, distB = 0;
    bool moment = false;
};

struct TDIAPH {
    std::int32_t slaveCount = 0;
    std::vector<std::int32_t> members; // 1-based
    std::int32_t master = 0;
};

// An Equal constraint of the table format: the constrained joint follows the retained joint in the
// global degrees of freedom flagged 1..6 (UX, UY, UZ, RX, RY, RZ).
struct TEQUAL {
    std::int32_t retained = 0, constrained = 0;
    DofFlags dofs{};
};

// Link objects (table format): two-joint links, and one-joint links from the ground to a joint.
enum LinkType : std::int32_t {
    LinkUnsupported = 0, // a type the store does not carry; its links are left out
    LinkLinear = 1,
    LinkMultiLinearElastic = 2,
    LinkMultiLinearPlastic = 3,
    LinkDamper = 4, // exponential: a spring in series with a dashpot of force c v^exponent
    LinkGap = 5,
    LinkHook = 6,
    LinkRubberIsolator = 7,
    LinkFrictionIsolator = 8,
    LinkPlasticWen = 9,
};

// One direction of a link property, 1..6 (U1, U2, U3, R1, R2, R3) along the link's local axes, in
// N, mm and s. `active`: the property lists the direction; a direction not listed has no stiffness.
// `ke`, `ce`: effective stiffness and damping, which a direction that is not nonlinear keeps in every
// analysis. The nonlinear values are those of the link's type; `points` (deformation, force) those of
// the multilinear types.
struct TLINKDOF {
    bool active = false, fixed = false, nonlinear = false;
    double ke = 0, ce = 0, distanceJ = 0;
    double k = 0, yield = 0, ratio = 0, exponent = 0; // elastic stiffness, yield force, post-yield ratio
    double c = 0, cExponent = 0, open = 0;            // damper coefficient and exponent, gap opening
    double slow = 0, fast = 0, rate = 0, radius = 0;  // friction coefficients, rate parameter, radius
    std::string hysteresis;                           // of a multilinear plastic direction
    std::vector<std::array<double, 2>> points;
};

struct TLINKPROP {
    std::string name;
    std::string typeName; // as the file names it
    std::int32_t type = LinkUnsupported;
    double mass = 0, weight = 0;
    std::array<TLINKDOF, 7> dofs{}; // 1..6
};

struct TLINK {
    std::int32_t prop = 0;
    std::int32_t nodeI = 0; // 0 for a one-joint link: end I is the ground
    std::int32_t nodeJ = 0;
    std::string label;
    double angle = 0; // degrees that axes 2 and 3 turn about axis 1 (LINK LOCAL AXES ASSIGNMENTS)
};

inline constexpr int kLineFieldCount = 40;
using LineFields = std::array<std::string, kLineFieldCount>;

struct ModelStore {
    std::vector<TNODE> nodes;
    std::vector<TFRAME> frames;
    std::vector<TSHELL> shells;
    std::vector<TSOLID> solids;
    std::vector<TMAT> materials;
    std::vector<TSECTION> frameSections;
    std::vector<TAREASEC> shellSections;
    std::vector<TLOAD> loads;
    std::vector<TDIAPH> diaphragms;
    std::vector<TEQUAL> equalTies;                                        // in order, from 0
    std::vector<std::string> loadCaseNames = std::vector<std::string>(1); // entries 1..loadCaseCount

    std::int32_t nodeCount = 0;
    std::int32_t frameCount = 0;
    std::int32_t shellCount = 0; // areas whose section is a shell section
    std::int32_t areaCount = 0;
    std::int32_t solidCount = 0;
    std::int32_t materialCount = 0;
    std::int32_t frameSectionCount = 0;
    std::int32_t shellSectionCount = 0;
    std::int32_t loadCount = 0;
    std::int32_t loadCaseCount = 0;
    std::int32_t diaphragmCount = 0;

    // The text of the last file loaded, one entry per line; kept between imports.
    std::vector<std::string> s2kLines;
    // The fields of the line last split by the tokenizer.
    LineFields lineFields{};

    // Link objects and link properties (table format), 1-based like the other arrays.
    std::vector<TLINK> links = std::vector<TLINK>(1);
    std::vector<TLINKPROP> linkProps = std::vector<TLINKPROP>(1);
    std::int32_t linkCount = 0;
    std::int32_t linkPropCount = 0;
};

// A count as a loop bound: -1 (table missing) counts as 0.
inline int countOf(std::int32_t count) {
    return count > 0 ? count : 0;
}

// The load cases 1..n whose names the store holds: loadCaseCount, never beyond the name list.
inline int loadCaseNameCount(const ModelStore& store) {
    const int names = static_cast<int>(store.loadCaseNames.size()) - 1;
    const int count = countOf(store.loadCaseCount);
    return count < names ? count : (names > 0 ? names : 0);
}

} // namespace kelvane
