#include "area_symbols.h"

#include <stdexcept>

namespace ondrell::mapbuild {

namespace {

struct IsoSymbol {
    int isoNumeric;
    const char *symbol;
};

// ISO 3166 numeric code -> map symbol: the agreement's symbol where it has one, else the ISO
// alpha-3 code. Decisions: Aland (248) is part of FIN; Guernsey, Jersey and the Isle of Man
// (831-833) are administered with G. Entities split into several areas are listed with the
// symbol of their remaining part (PRT, ESP, SHN, PSE, FRA, MAR, RUS; see kPartRules).
constexpr IsoSymbol kIsoSymbols[] = {
    {4, "AFG"},   {8, "ALB"},   {10, "ATA"},  {12, "ALG"},  {16, "ASM"},  {20, "AND"},  {24, "AGL"},
    {28, "ATG"},  {31, "AZE"},  {32, "ARG"},  {36, "AUS"},  {40, "AUT"},  {44, "BHS"},  {48, "BHR"},
    {50, "BGD"},  {51, "ARM"},  {52, "BRB"},  {56, "BEL"},  {60, "BMU"},  {64, "BTN"},  {68, "BOL"},
    {70, "BIH"},  {72, "BOT"},  {76, "BRA"},  {84, "BLZ"},  {86, "IOT"},  {90, "SLB"},  {92, "VGB"},
    {96, "BRN"},  {100, "BUL"}, {104, "MMR"}, {108, "BDI"}, {112, "BLR"}, {116, "KHM"}, {120, "CME"},
    {124, "CAN"}, {132, "CPV"}, {136, "CYM"}, {140, "CAF"}, {144, "LKA"}, {148, "TCD"}, {152, "CHL"},
    {156, "CHN"}, {158, "TWN"}, {170, "COL"}, {174, "COM"}, {178, "COG"}, {180, "COD"}, {184, "COK"},
    {188, "CRI"}, {191, "HRV"}, {192, "CUB"}, {196, "CYP"}, {203, "CZE"}, {204, "BEN"}, {208, "DNK"},
    {212, "DMA"}, {214, "DOM"}, {218, "ECU"}, {222, "SLV"}, {226, "GNE"}, {231, "ETH"}, {232, "ERI"},
    {233, "EST"}, {234, "FRO"}, {238, "FLK"}, {239, "SGS"}, {242, "FJI"}, {246, "FIN"}, {248, "FIN"},
    {250, "F"},   {258, "PYF"}, {260, "ATF"}, {262, "DJI"}, {266, "GAB"}, {268, "GEO"}, {270, "GMB"},
    {275, "XWB"}, {276, "D"},   {288, "GHA"}, {292, "GIB"}, {296, "KIR"}, {300, "GRC"}, {304, "GRL"},
    {308, "GRD"}, {316, "GUM"}, {320, "GTM"}, {324, "GUI"}, {328, "GUY"}, {332, "HTI"}, {334, "HMD"},
    {336, "CVA"}, {340, "HND"}, {344, "HKG"}, {348, "HNG"}, {352, "ISL"}, {356, "IND"}, {360, "IDN"},
    {364, "IRN"}, {368, "IRQ"}, {372, "IRL"}, {376, "ISR"}, {380, "I"},   {384, "CTI"}, {388, "JAM"},
    {392, "J"},   {398, "KAZ"}, {400, "JOR"}, {404, "KEN"}, {408, "KRE"}, {410, "KOR"}, {414, "KWT"},
    {417, "KGZ"}, {418, "LAO"}, {422, "LBN"}, {426, "LSO"}, {428, "LVA"}, {430, "LBR"}, {434, "LBY"},
    {438, "LIE"}, {440, "LTU"}, {442, "LUX"}, {446, "MAC"}, {450, "MDG"}, {454, "MWI"}, {458, "MYS"},
    {462, "MDV"}, {466, "MLI"}, {470, "MLT"}, {478, "MTN"}, {480, "MAU"}, {484, "MEX"}, {492, "MCO"},
    {496, "MNG"}, {498, "MDA"}, {499, "MNE"}, {500, "MSR"}, {504, "MRC"}, {508, "MOZ"}, {512, "OMA"},
    {516, "NMB"}, {520, "NRU"}, {524, "NPL"}, {528, "HOL"}, {531, "CUW"}, {533, "ABW"}, {534, "SXM"},
    {540, "NCL"}, {548, "VUT"}, {554, "NZL"}, {558, "NIC"}, {562, "NGR"}, {566, "NIG"}, {570, "NIU"},
    {574, "NFK"}, {578, "NOR"}, {580, "MNP"}, {581, "UMI"}, {583, "FSM"}, {584, "MHL"}, {585, "PLW"},
    {586, "PAK"}, {591, "PAN"}, {598, "PNG"}, {600, "PRY"}, {604, "PER"}, {608, "PHL"}, {612, "PCN"},
    {616, "POL"}, {620, "POR"}, {624, "GNB"}, {626, "TLS"}, {630, "PRI"}, {634, "QAT"}, {642, "ROU"},
    {643, "RUS"}, {646, "RRW"}, {652, "BLM"}, {654, "SHN"}, {659, "KNA"}, {660, "AIA"}, {662, "LCA"},
    {663, "MAF"}, {666, "SPM"}, {670, "VCT"}, {674, "SMR"}, {678, "STP"}, {682, "ARS"}, {686, "SEN"},
    {688, "SRB"}, {690, "SEY"}, {694, "SRL"}, {702, "SGP"}, {703, "SVK"}, {704, "VNM"}, {705, "SVN"},
    {706, "SOM"}, {710, "AFS"}, {716, "ZWE"}, {724, "E"},   {728, "SSD"}, {729, "SDN"}, {732, "AOE"},
    {740, "SUR"}, {748, "SWZ"}, {752, "S"},   {756, "SUI"}, {760, "SYR"}, {762, "TJK"}, {764, "THA"},
    {768, "TGO"}, {776, "TON"}, {780, "TTO"}, {784, "UAE"}, {788, "TUN"}, {792, "TUR"}, {795, "TKM"},
    {796, "TCA"}, {798, "TUV"}, {800, "UGA"}, {804, "UKR"}, {807, "MKD"}, {818, "EGY"}, {826, "G"},
    {831, "G"},   {832, "G"},   {833, "G"},   {834, "TZA"}, {840, "USA"}, {850, "VIR"}, {854, "BFA"},
    {858, "URY"}, {860, "UZB"}, {862, "VEN"}, {876, "WLF"}, {882, "WSM"}, {887, "YEM"}, {894, "ZMB"},
};

struct NameSymbol {
    const char *name;
    const char *symbol;
};

// Features the source leaves without an ISO code. Kosovo, Somaliland, Northern Cyprus and
// Baikonur go to the state the agreement knows them under; the sovereign base areas and the
// buffer zone on Cyprus to CYP; the rest lie far outside the planning area.
constexpr NameSymbol kNameSymbols[] = {
    {"Kosovo", "SRB"},
    {"Somaliland", "SOM"},
    {"N. Cyprus", "CYP"},
    {"Cyprus U.N. Buffer Zone", "CYP"},
    {"Akrotiri", "CYP"},
    {"Dhekelia", "CYP"},
    {"Baikonur", "KAZ"},
    {"Siachen Glacier", "IND"},
    {"USNB Guantanamo Bay", "CUB"},
    {"Indian Ocean Ter.", "AUS"},
    {"Coral Sea Is.", "AUS"},
    {"Clipperton I.", "CPT"},
    {"Bajo Nuevo Bank", "COL"},
    {"Serranilla Bank", "COL"},
    {"Scarborough Reef", "XSR"},
    {"Spratly Is.", "XSP"},
};

// Areas cut out of an ISO entity: a polygon of the entity whose bounding box lies within the
// rule's box takes the rule's symbol (first match wins); other polygons keep the entity's symbol.
struct PartRule {
    int isoNumeric;
    Box box;
    const char *symbol;
};

constexpr double kAny = 400;
constexpr PartRule kPartRules[] = {
    // Portugal: the Azores lie west of 20 W; Madeira and the Selvagens west of 13 W, south of 34 N.
    {620, {-kAny, -kAny, -20, kAny}, "AZR"},
    {620, {-kAny, -kAny, -13, 34}, "MDR"},
    // Spain: the Canary Islands, west of 13 W and south of 30 N. Ceuta and Melilla stay E.
    {724, {-kAny, -kAny, -13, 30}, "CNR"},
    // Saint Helena's three island groups.
    {654, {-kAny, -10, kAny, kAny}, "ASC"},
    {654, {-kAny, -20, kAny, -10}, "SHN"},
    {654, {-kAny, -kAny, kAny, -30}, "TRC"},
    // Palestine: the Gaza Strip lies west of 34.6 E; the rest is the West Bank.
    {275, {-kAny, -kAny, 34.6, kAny}, "XGZ"},
    // France: Reunion and Mayotte; the overseas departments in the Americas keep ISO codes.
    {250, {55, -kAny, 56, kAny}, "REU"},
    {250, {44.9, -kAny, 45.4, kAny}, "MYT"},
    {250, {-55, 1, -51, 7}, "GUF"},
    {250, {-62, 15.8, -60.9, 16.6}, "GLP"},
    {250, {-61.4, 14.3, -60.7, 15}, "MTQ"},
    // Russia's polygon of Crimea belongs to UKR.
    {643, {32, 44, 37, 46.5}, "UKR"},
    // Morocco south of the cut below is Western Sahara (see kWesternSaharaCutLat).
    {504, {-kAny, -kAny, kAny, 27.67}, "AOE"},
};

// The source draws Morocco including the part of Western Sahara west of the berm. Its polygon is
// cut along the parallel of Western Sahara's northern border (27 40 N, quantised in the source
// to 27.66114 N) so that the southern piece joins the Western Sahara feature as AOE.
constexpr int kMorocco = 504;
constexpr double kWesternSaharaCutLat = 27.66114131092837;

std::vector<std::vector<Ring>> CutMorocco(const std::vector<Ring> &polygon) {
    std::vector<std::vector<Ring>> pieces;
    for (bool north : {true, false}) {
        std::vector<Ring> piece;
        for (const auto &ring : polygon) {
            Ring clipped = ClipRing(ring, false, kWesternSaharaCutLat, north);
            if (clipped.size() >= 3)
                piece.push_back(std::move(clipped));
        }
        if (!piece.empty())
            pieces.push_back(std::move(piece));
    }
    return pieces;
}

// The source quantises positions to 1e5 steps across the globe; a territory smaller than a step
// (the Vatican) collapses to a line. Such a feature is widened to one step around that line.
constexpr double kHalfStepLon = 0.0018, kHalfStepLat = 0.00085;

std::vector<std::vector<Ring>> WidenIfCollapsed(const std::vector<std::vector<Ring>> &polygons) {
    for (const auto &polygon : polygons)
        if (!polygon.empty() && SignedArea2(polygon.front()) != 0)
            return polygons;
    if (polygons.empty())
        return polygons;
    const Box b = BoundsOf(polygons.front());
    return {{{{b.minLon - kHalfStepLon, b.minLat - kHalfStepLat},
              {b.maxLon + kHalfStepLon, b.minLat - kHalfStepLat},
              {b.maxLon + kHalfStepLon, b.maxLat + kHalfStepLat},
              {b.minLon - kHalfStepLon, b.maxLat + kHalfStepLat}}}};
}

std::string PartSymbol(int isoNumeric, const std::vector<Ring> &rings, const std::string &whole) {
    const Box bounds = BoundsOf(rings);
    for (const auto &rule : kPartRules)
        if (rule.isoNumeric == isoNumeric && bounds.Within(rule.box))
            return rule.symbol;
    return whole;
}

} // namespace

std::string FeatureSymbol(int isoNumeric, const std::string &name) {
    for (const auto &entry : kIsoSymbols)
        if (isoNumeric >= 0 && entry.isoNumeric == isoNumeric)
            return entry.symbol;
    for (const auto &entry : kNameSymbols)
        if (isoNumeric < 0 && name == entry.name)
            return entry.symbol;
    return {};
}

std::vector<AreaPolygon> AssignAreas(const std::vector<SourceFeature> &features) {
    std::vector<AreaPolygon> areas;
    for (const auto &feature : features) {
        const std::string whole = FeatureSymbol(feature.isoNumeric, feature.name);
        if (whole.empty())
            throw std::runtime_error("no map symbol for " + feature.name + " (ISO " +
                                     std::to_string(feature.isoNumeric) + ")");
        for (const auto &polygon : WidenIfCollapsed(feature.polygons)) {
            auto pieces = feature.isoNumeric == kMorocco ? CutMorocco(polygon)
                                                         : std::vector<std::vector<Ring>>{polygon};
            for (const auto &piece : pieces)
                for (auto &window : SplitAtAntimeridian(piece)) {
                    std::string symbol = PartSymbol(feature.isoNumeric, window, whole);
                    areas.push_back({std::move(symbol), std::move(window)});
                }
        }
    }
    return areas;
}

} // namespace ondrell::mapbuild
