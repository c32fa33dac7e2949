#!/usr/bin/env python3
"""Writes the demo suite and the demo projects under examples/.

Everything is generated from the tables of the demodata package beside this script, with the
standard library only, so the English and Italian language files stay in step and the pictures
can be remade:

    python3 scripts/make-demo-data.py

demodata/suite.py       language strings and files, INSTALL.INI, ORV.INI, the print logo
demodata/pictures.py    the raster canvas, its bitmap font, PNG/BMP writers, shared drawings
demodata/projectxml.py  project XML writing and the data blocks both projects share
demodata/indoor.py      the indoor project: pictures and project file
demodata/road.py        the road project: pictures and project file
demodata/sports.py      the sports-area project: pictures and project file
demodata/quality.py     lighting-quality and energy data blocks, the energy picture

The output is committed; run the script again after changing a table. It is deterministic.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from demodata import indoor, road, sports, suite  # noqa: E402
from demodata.common import SUITE  # noqa: E402


def main():
    suite.write_language_files(os.path.join(SUITE, "Lng"))
    suite.write_suite_configuration()
    indoor.write_indoor_project()
    road.write_road_project()
    sports.write_sports_project()


if __name__ == "__main__":
    main()
