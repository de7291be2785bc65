# The anchor of bench_coords: pyproj's vectorised transform of every point of a file
# (float64 pairs of longitude and latitude in decimal degrees, regions of equal size) from
# Krasovsky longitude/latitude to a 6-degree Gauss-Krueger zone, then the shoelace area of
# each region with numpy. Prints the seconds of that work (file reading and imports not
# counted); exits 3 when pyproj or numpy is missing.
import sys
import time

try:
    import numpy as np
    from pyproj import Transformer
except ImportError:
    sys.exit(3)

path, per_region, lon0 = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
xy = np.fromfile(path, dtype=np.float64).reshape(-1, 2)
lon, lat = np.ascontiguousarray(xy[:, 0]), np.ascontiguousarray(xy[:, 1])
t = Transformer.from_crs("+proj=longlat +ellps=krass +no_defs",
                         "+proj=tmerc +lat_0=0 +lon_0=%g +k=1 +x_0=500000 +y_0=0 +ellps=krass +units=m +no_defs" % lon0,
                         always_xy=True)
t.transform(lon[:10], lat[:10])
start = time.perf_counter()
e, n = t.transform(lon, lat)
e = e.reshape(-1, per_region) / 1000
n = n.reshape(-1, per_region) / 1000
area = np.abs(np.sum(n * np.roll(e, -1, axis=1) - np.roll(n, -1, axis=1) * e, axis=1)) / 2
total = float(area.sum())
print("%.6f %.3f" % (time.perf_counter() - start, total))
