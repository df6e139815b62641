#pragma once

#include <string>

namespace Quarvane
{

// Base names of result variables (the names under which results store a variable's skin).
// Each text is the constant's own name, so names read the same in files, logs and code.
struct SkinBaseName
{
    // Stands for "no variable chosen"; distinct from an empty text, which is not a name at all.
    static const std::string EMPTY;

    static const std::string THICKNESS;
    static const std::string THINNING;
    static const std::string PLASTIC_STRAIN;
    static const std::string MAJOR_STRAIN;
    static const std::string MINOR_STRAIN;
    static const std::string DISPLACEMENT;
    static const std::string SPRINGBACK_NORMAL_DISPLACEMENT;
    static const std::string DRAW_IN;

    static const std::string CONTACT;
    static const std::string CONTACT_PENETRATION;
    static const std::string ELASTIC;
    static const std::string MATING_CHECK;

    static const std::string LINE_MOVEMENT;
    static const std::string LINE_MOVEMENT_D;
    static const std::string DELTA_CURVATURE;
    static const std::string ROLLING_TRANSVERSE_DIR;
    static const std::string GEOM_TEMPERATURE_DISTRIB;

    static const std::string DOMINANT_VARIABLE;
    static const std::string DOMINANT_VARIABLE_N;
    static const std::string DOMINANT_VARIABLE_D;

    static const std::string WP_RECOMMENDATION;
    static const std::string WP_TOOLFAILURE;
    static const std::string WP_MAX_VOLUME;

    static const std::string WRINKLES_SEVERITY;
    static const std::string WRINKLES_MAX_SEVERITY;
    static const std::string GUI_WRINKLES_SEVERITY;
    static const std::string GUI_WRINKLES_MAX_SEVERITY;

    static const std::string SBCOMP_DISPLACEMENT_TOTAL;
    static const std::string SBCOMP_DISPLACEMENT_INCREMENTAL;
    static const std::string SBCOMP_ARROW_COLLECTION;

    static const std::string EDGE_CRACK;
    static const std::string EDGE_THINNING;

    static const std::string PREPROCESS_THICKNESS_DEFORMABLE;
    static const std::string PREPROCESS_THINNING_DEFORMABLE;
    static const std::string PREPROCESS_PLASTICSTRAIN_DEFORMABLE;
    static const std::string PREPROCESS_TOOL_DISTANCE;

    static const std::string CONNECTOR_FORCE;
    static const std::string LINE_JOIN_GAP;

    static const std::string CAD_FACE_DISTANCE;
    static const std::string CAD_FACE_ANGLE;

    static const std::string TOOL_DISPLACEMENT_X;
    static const std::string TOOL_DISPLACEMENT_Y;
    static const std::string TOOL_DISPLACEMENT_Z;
    static const std::string TOOL_ROUGHNESS;
};

// Names of the robustness (sigma) analysis. A sigma variable is named PREFIX + base + a statistic
// suffix (_D the standard deviation, _N the number of failing samples), e.g. SIGMA_THINNING_D;
// INTERPOLATION is the first part of a decomposed name (see SkinBaseNameUtilities) that marks the
// interpolated sigma result of an ordinary variable.
struct SigmaBaseName
{
    static const std::string PREFIX;
    static const std::string DOMINANT_VARIABLE;
    static const std::string _D;
    static const std::string _N;
    static const std::string INTERPOLATION;

    // True for the dominant-variable names, for names whose base starts with PREFIX, and for
    // names whose first part is INTERPOLATION.
    static bool isSigmaVariation(const std::string& name);
};

// Second parts of decomposed names that apply to any variable.
struct SuperBaseName
{
    // The difference of a variable between two compared results.
    static const std::string COMPAREMODE;
};

// Decomposed names. A name is
//     BASE [ "~" FIRST ] [ "@" SECOND ]
// where BASE is a base name (upper-case letters, digits, underscores), FIRST a variant of the
// variable (the sigma interpolation marker) and SECOND a mode that applies to any variable (the
// compare mode): "THINNING~SIGMA_INTERPOLATION@COMPAREMODE". Everything after the first "@" is
// the second part; in what precedes it, everything after the first "~" is the first part. Every
// predicate below looks at the base of the name it is given, so variants and modes of a variable
// are classified like the variable itself.
struct SkinBaseNameUtilities
{
    static constexpr char FIRST_PART_MARKER = '~';
    static constexpr char SECOND_PART_MARKER = '@';

    // Returns the base and fills both parts (empty when absent).
    static std::string decomposeSkinBaseName(const std::string& name, std::string& firstPart, std::string& secondPart);
    static std::string getDecomposedSkinBaseName(const std::string& name);
    // The inverse of decomposeSkinBaseName; empty parts are left out.
    static std::string composeSkinBaseName(const std::string& base, const std::string& firstPart,
                                           const std::string& secondPart);

    // Whether a scale may show the lower and upper specification limits: the variables that are
    // judged against a tolerance (thickness, thinning, strains, displacements, CAD deviations,
    // draw-in and line movement).
    static bool isOutOfSpecColorScalePossible(const std::string& name);
    // Values on the sheet's boundary edges: bases starting with "EDGE_".
    static bool isEdgeVariable(const std::string& name);
    // Scalars that live on sheet lines: LINE_MOVEMENT, LINE_MOVEMENT_D, DELTA_CURVATURE, DRAW_IN.
    static bool isSheetLineScalar(const std::string& name);
    // A description group name of vector variables: "Vector" or "Vectors", in any letter case.
    static bool isVectorGroup(const std::string& groupName);
    // Results on the connectors between sheets: bases starting with "CONNECTOR_".
    static bool isConnectorSheetSkin(const std::string& name);
    // Results on the joins of sheet lines (hems, seams): bases starting with "LINE_JOIN_".
    static bool isLineJoinSheetSkin(const std::string& name);
    // Results of the joining pre-processing: bases starting with "PREPROCESS_".
    static bool isJointraPreProcessingSkinBaseName(const std::string& name);
    // Whether the name is in compare mode (its second part is SuperBaseName::COMPAREMODE).
    static bool containsCompareBaseName(const std::string& name);

    // A readable name: the base's words capitalised ("PLASTIC_STRAIN" → "Plastic strain"), each
    // part added in brackets ("Thinning (sigma interpolation, comparison)").
    static std::string getSkinDisplayName(const std::string& name);
};

}  // namespace Quarvane
