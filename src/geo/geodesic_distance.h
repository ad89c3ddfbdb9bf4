#pragma once
// Geodesic distance on the WGS84 ellipsoid.

namespace ondrell {

// Metres along the geodesic between two positions in degrees. Vincenty's iteration, a third of
// the cost of GeographicLib's general solution and within 0.1 mm of it on lines up to a few
// thousand km; GeographicLib takes the lines where that iteration is slow or fails (near
// antipodes).
double GeodesicMetres(double lat1, double lon1, double lat2, double lon2);

} // namespace ondrell
