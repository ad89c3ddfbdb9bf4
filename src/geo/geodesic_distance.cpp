#include "geo/geodesic_distance.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace ondrell {

namespace {

constexpr double kA = 6378137.0;
constexpr double kF = 1 / 298.257223563;
constexpr double kB = kA * (1 - kF);
constexpr double kRad = 3.14159265358979323846 / 180;

// Lines up to this angle (about 5500 km) converge in a few iterations.
constexpr double kMaxVincentyRad = 50 * kRad;

double GeneralMetres(double lat1, double lon1, double lat2, double lon2) {
    double metres = 0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, metres);
    return metres;
}

} // namespace

double GeodesicMetres(double lat1, double lon1, double lat2, double lon2) {
    const double dlon = std::remainder(lon2 - lon1, 360.0) * kRad;
    const double tanU1 = (1 - kF) * std::tan(lat1 * kRad), tanU2 = (1 - kF) * std::tan(lat2 * kRad);
    if (!std::isfinite(tanU1) || !std::isfinite(tanU2) || std::abs(lat1) > 89 || std::abs(lat2) > 89)
        return GeneralMetres(lat1, lon1, lat2, lon2); // at or near a pole
    const double cosU1 = 1 / std::sqrt(1 + tanU1 * tanU1), sinU1 = tanU1 * cosU1;
    const double cosU2 = 1 / std::sqrt(1 + tanU2 * tanU2), sinU2 = tanU2 * cosU2;
    double lambda = dlon, sinSigma = 0, cosSigma = 1, sigma = 0, cos2Alpha = 1, cos2SigmaM = 0;
    for (int iteration = 0;; ++iteration) {
        if (iteration == 20)
            return GeneralMetres(lat1, lon1, lat2, lon2);
        const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
        const double x = cosU2 * sinLambda, y = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        sinSigma = std::sqrt(x * x + y * y);
        if (sinSigma == 0)
            return 0;
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = std::atan2(sinSigma, cosSigma);
        if (sigma > kMaxVincentyRad)
            return GeneralMetres(lat1, lon1, lat2, lon2);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cos2Alpha = 1 - sinAlpha * sinAlpha;
        cos2SigmaM = cos2Alpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cos2Alpha : 0;
        const double c = kF / 16 * cos2Alpha * (4 + kF * (4 - 3 * cos2Alpha));
        const double previous = lambda;
        lambda = dlon + (1 - c) * kF * sinAlpha *
                            (sigma +
                             c * sinSigma * (cos2SigmaM + c * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
        if (std::abs(lambda - previous) < 1e-12)
            break;
    }
    const double u2 = cos2Alpha * (kA * kA - kB * kB) / (kB * kB);
    const double a = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
    const double b = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));
    const double deltaSigma = b * sinSigma *
                              (cos2SigmaM + b / 4 *
                                                (cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM) -
                                                 b / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) *
                                                     (-3 + 4 * cos2SigmaM * cos2SigmaM)));
    return kB * a * (sigma - deltaSigma);
}

} // namespace ondrell
