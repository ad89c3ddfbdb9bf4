// Real places land in their own area; sea points lie at a sensible distance from the coast.

#include "map_test_support.h"

#include <gtest/gtest.h>

namespace ondrell {
namespace {

using maptest::BuiltMap;
using maptest::KmTo;

struct Place {
    const char *name;
    double lon, lat;
    const char *symbol;
};

// Inland towns where a capital sits on a coast or a border river, so the 1:10 m outline cannot
// put them in the sea or across the river.
const Place kPlaces[] = {
    {"Paris", 2.35, 48.86, "F"},
    {"Madrid", -3.70, 40.42, "E"},
    {"Lisbon", -9.14, 38.72, "POR"},
    {"Berlin", 13.40, 52.52, "D"},
    {"Rome", 12.50, 41.90, "I"},
    {"Vienna", 16.37, 48.21, "AUT"},
    {"Bern", 7.45, 46.95, "SUI"},
    {"Brussels", 4.35, 50.85, "BEL"},
    {"Amsterdam", 4.90, 52.37, "HOL"},
    {"London", -0.13, 51.51, "G"},
    {"Dublin", -6.30, 53.35, "IRL"},
    {"Oslo", 10.75, 59.95, "NOR"},
    {"Stockholm", 18.05, 59.35, "S"},
    {"Tampere", 23.76, 61.50, "FIN"},
    {"Odense", 10.39, 55.40, "DNK"},
    {"Warsaw", 21.01, 52.23, "POL"},
    {"Prague", 14.42, 50.09, "CZE"},
    {"Budapest", 19.04, 47.50, "HNG"},
    {"Bucharest", 26.10, 44.43, "ROU"},
    {"Sofia", 23.32, 42.70, "BUL"},
    {"Athens", 23.73, 37.98, "GRC"},
    {"Ankara", 32.85, 39.93, "TUR"},
    {"Kyiv", 30.52, 50.45, "UKR"},
    {"Minsk", 27.56, 53.90, "BLR"},
    {"Moscow", 37.62, 55.75, "RUS"},
    {"Vilnius", 25.28, 54.69, "LTU"},
    {"Riga", 24.11, 56.95, "LVA"},
    {"Tartu", 26.72, 58.38, "EST"},
    {"Belgrade", 20.46, 44.80, "SRB"},
    {"Pristina", 21.17, 42.66, "SRB"},
    {"Zagreb", 15.98, 45.81, "HRV"},
    {"Ljubljana", 14.51, 46.06, "SVN"},
    {"Sarajevo", 18.41, 43.86, "BIH"},
    {"Podgorica", 19.26, 42.44, "MNE"},
    {"Skopje", 21.43, 42.00, "MKD"},
    {"Tirana", 19.82, 41.33, "ALB"},
    {"Chisinau", 28.86, 47.01, "MDA"},
    {"Bratislava", 17.11, 48.15, "SVK"},
    {"Luxembourg", 6.13, 49.61, "LUX"},
    {"Vaduz", 9.52, 47.14, "LIE"},
    {"Andorra la Vella", 1.52, 42.51, "AND"},
    {"Monaco", 7.42, 43.74, "MCO"},
    {"Vatican", 12.4543, 41.9035, "CVA"},
    {"San Marino", 12.45, 43.94, "SMR"},
    {"Rabat (Malta)", 14.40, 35.88, "MLT"},
    {"Nicosia", 33.36, 35.17, "CYP"},
    {"Selfoss", -21.00, 63.93, "ISL"},
    {"Tbilisi", 44.79, 41.72, "GEO"},
    {"Yerevan", 44.51, 40.18, "ARM"},
    {"Ganja", 46.36, 40.68, "AZE"},
    {"Tehran", 51.39, 35.69, "IRN"},
    {"Baghdad", 44.36, 33.31, "IRQ"},
    {"Damascus", 36.29, 33.51, "SYR"},
    {"Zahle", 35.90, 33.85, "LBN"},
    {"Amman", 35.93, 31.95, "JOR"},
    {"Beersheba", 34.79, 31.25, "ISR"},
    {"Riyadh", 46.72, 24.69, "ARS"},
    {"Al Jahra", 47.66, 29.34, "KWT"},
    {"Al Rayyan", 51.42, 25.29, "QAT"},
    {"Al Ain", 55.74, 24.21, "UAE"},
    {"Nizwa", 57.53, 22.93, "OMA"},
    {"Sanaa", 44.21, 15.35, "YEM"},
    {"Cairo", 31.24, 30.04, "EGY"},
    {"Sabha", 14.43, 27.04, "LBY"},
    {"Kairouan", 10.10, 35.68, "TUN"},
    {"Ghardaia", 3.67, 32.49, "ALG"},
    {"Fes", -5.00, 34.03, "MRC"},
    {"Laayoune", -13.20, 27.15, "AOE"},
    {"Atar", -13.05, 20.52, "MTN"},
    {"Kaolack", -16.07, 14.15, "SEN"},
    {"Farafenni", -15.60, 13.57, "GMB"},
    {"Bafata", -14.66, 12.17, "GNB"},
    {"Kankan", -9.31, 10.39, "GUI"},
    {"Bo", -11.74, 7.96, "SRL"},
    {"Gbarnga", -9.47, 7.00, "LBR"},
    {"Yamoussoukro", -5.28, 6.82, "CTI"},
    {"Kumasi", -1.62, 6.69, "GHA"},
    {"Atakpame", 1.13, 7.53, "TGO"},
    {"Parakou", 2.63, 9.34, "BEN"},
    {"Abuja", 7.49, 9.06, "NIG"},
    {"Niamey", 2.11, 13.51, "NGR"},
    {"Ouagadougou", -1.52, 12.37, "BFA"},
    {"Bamako", -8.00, 12.64, "MLI"},
    {"Abeche", 20.83, 13.83, "TCD"},
    {"Yaounde", 11.52, 3.87, "CME"},
    {"Bambari", 20.68, 5.76, "CAF"},
    {"Mongomo", 11.31, 1.63, "GNE"},
    {"Franceville", 13.58, -1.63, "GAB"},
    {"Dolisie", 12.67, -4.20, "COG"},
    {"Kisangani", 25.19, 0.52, "COD"},
    {"Huambo", 15.74, -12.78, "AGL"},
    {"Windhoek", 17.08, -22.56, "NMB"},
    {"Francistown", 27.51, -21.17, "BOT"},
    {"Pretoria", 28.19, -25.75, "AFS"},
    {"Thaba-Tseka", 28.60, -29.52, "LSO"},
    {"Mbabane", 31.13, -26.32, "SWZ"},
    {"Chimoio", 33.48, -19.12, "MOZ"},
    {"Harare", 31.05, -17.83, "ZWE"},
    {"Lusaka", 28.28, -15.42, "ZMB"},
    {"Lilongwe", 33.79, -13.96, "MWI"},
    {"Dodoma", 35.75, -6.17, "TZA"},
    {"Nairobi", 36.82, -1.29, "KEN"},
    {"Kampala", 32.58, 0.35, "UGA"},
    {"Kigali", 30.06, -1.95, "RRW"},
    {"Gitega", 29.92, -3.43, "BDI"},
    {"Addis Ababa", 38.75, 9.03, "ETH"},
    {"Asmara", 38.93, 15.32, "ERI"},
    {"Ali Sabieh", 42.71, 11.16, "DJI"},
    {"Baidoa", 43.65, 3.11, "SOM"},
    {"Hargeisa", 44.06, 9.56, "SOM"},
    {"Khartoum", 32.53, 15.50, "SDN"},
    {"Juba", 31.58, 4.85, "SSD"},
    {"Antananarivo", 47.52, -18.91, "MDG"},
    {"Curepipe", 57.52, -20.32, "MAU"},
    {"Mahe", 55.46, -4.66, "SEY"},
    {"Grande Comore", 43.33, -11.65, "COM"},
    {"Sao Tome", 6.60, 0.20, "STP"},
    {"Santiago (Cape Verde)", -23.60, 15.05, "CPV"},
    {"Astana", 71.45, 51.17, "KAZ"},
    {"Baikonur", 63.32, 45.62, "KAZ"},
    {"Tashkent", 69.24, 41.31, "UZB"},
    {"Ashgabat", 58.38, 37.95, "TKM"},
    {"Dushanbe", 68.78, 38.56, "TJK"},
    {"Bishkek", 74.59, 42.87, "KGZ"},
    {"Kabul", 69.17, 34.53, "AFG"},
    {"Beijing", 116.40, 39.90, "CHN"},
    {"Ulaanbaatar", 106.90, 47.92, "MNG"},
    {"Islamabad", 73.05, 33.68, "PAK"},
    {"Pyongyang", 125.75, 39.02, "KRE"},
    {"Matsumoto", 137.97, 36.24, "J"},
    {"Seoul", 126.98, 37.57, "KOR"},
    {"Delhi", 77.21, 28.61, "IND"},
    // Areas cut out of their ISO entity.
    {"Ceuta", -5.32, 35.89, "E"},
    {"Melilla", -2.95, 35.29, "E"},
    {"Llivia", 1.98, 42.46, "E"},
    {"Gibraltar", -5.35, 36.14, "GIB"},
    {"Terceira (Azores)", -27.20, 38.72, "AZR"},
    {"Sao Miguel (Azores)", -25.45, 37.80, "AZR"},
    {"Madeira", -16.95, 32.72, "MDR"},
    {"Gran Canaria", -15.60, 27.95, "CNR"},
    {"Tenerife", -16.60, 28.27, "CNR"},
    {"Gaza", 34.45, 31.50, "XGZ"},
    {"Ramallah", 35.20, 31.90, "XWB"},
    {"Nablus", 35.26, 32.22, "XWB"},
    {"Mayotte", 45.15, -12.80, "MYT"},
    {"Reunion", 55.50, -21.10, "REU"},
    {"Ascension", -14.36, -7.93, "ASC"},
    {"Saint Helena", -5.71, -15.96, "SHN"},
    {"Tristan da Cunha", -12.28, -37.11, "TRC"},
    {"Faroe Islands", -6.95, 62.15, "FRO"},
    {"Simferopol (Crimea)", 34.10, 44.95, "UKR"},
    {"North Nicosia", 33.36, 35.25, "CYP"},
    {"Tan-Tan (north of the cut)", -11.10, 28.44, "MRC"},
    {"Smara (south of it)", -11.66, 26.74, "AOE"},
    // Across the antimeridian.
    {"Chukotka inland", 175.00, 66.00, "RUS"},
    {"Chukotka east of 180", -179.50, 67.00, "RUS"},
    {"Chukotka west of 180", 179.50, 67.00, "RUS"},
    {"Viti Levu", 178.00, -17.80, "FJI"},
};

class MapPlaceTest : public testing::TestWithParam<Place> {};

TEST_P(MapPlaceTest, LiesInItsOwnAreaAndNearItsBoundary) {
    const Place &place = GetParam();
    const auto &map = BuiltMap();
    EXPECT_EQ(map.AreaAt(place.lon, place.lat), place.symbol) << place.name;
    const auto near = map.NearAreas(place.lon, place.lat);
    EXPECT_GE(KmTo(near, place.symbol), 0) << place.name << " missing from its own near list";
}

INSTANTIATE_TEST_SUITE_P(Places, MapPlaceTest, testing::ValuesIn(kPlaces), [](const auto &info) {
    std::string name;
    for (const char *c = info.param.name; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    return name;
});

struct SeaPoint {
    const char *name;
    double lon, lat;
    const char *nearest;
    double minKm, maxKm; // from the coast's longitude or latitude offset, with the outline's slack
};

const SeaPoint kSeaPoints[] = {
    // The Landes coast runs north-south near 1.36 W: 0.24 degree of longitude at 44 N is 19 km.
    {"Bay of Biscay off Landes", -1.60, 44.00, "F", 15, 25},
    // The Dutch coast near 4.6 E at 52.5 N: 0.6 degree is 41 km.
    {"North Sea off Holland", 4.00, 52.50, "HOL", 30, 45},
    // Gaza's coast: a point 3 km offshore.
    {"Off Gaza", 34.35, 31.53, "XGZ", 1, 6},
    // North-east of Gozo, whose eastern tip lies near 14.34 E, 36.04 N (13 km); Sicily is 60 km away.
    {"North-east of Gozo", 14.40, 36.15, "MLT", 10, 16},
    // West of Portugal's coast (9.5 W at 39 N): 0.5 degree is 43 km.
    {"Atlantic off Peniche", -10.00, 39.00, "POR", 30, 50},
};

TEST(MapSeaTest, SeaPointsHaveNoAreaAndANearbyCoast) {
    const auto &map = BuiltMap();
    for (const auto &sea : kSeaPoints) {
        EXPECT_EQ(map.AreaAt(sea.lon, sea.lat), "") << sea.name;
        const auto near = map.NearAreas(sea.lon, sea.lat);
        ASSERT_FALSE(near.empty()) << sea.name;
        EXPECT_EQ(near.front().symbol, sea.nearest) << sea.name;
        EXPECT_GE(near.front().km, sea.minKm) << sea.name;
        EXPECT_LE(near.front().km, sea.maxKm) << sea.name;
    }
}

TEST(MapSeaTest, OpenOceanHasNothingWithin1000Km) {
    EXPECT_EQ(BuiltMap().AreaAt(-123.4, -48.9), "");
    EXPECT_TRUE(BuiltMap().NearAreas(-123.4, -48.9).empty()); // the pole of inaccessibility
}

} // namespace
} // namespace ondrell
