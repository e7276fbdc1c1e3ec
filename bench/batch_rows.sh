#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Prints a batch CSV of ROWS rows for the batch figures: every location, gear and layer, both unit
# systems, the slab thickness, the subgrade and the temperature differential varying from row to row.
# Usage: sh bench/batch_rows.sh ROWS
set -eu
awk -v rows="$1" 'BEGIN {
    split("interior edge corner", locations, " ")
    split("single-single single-tandem single-tridem dual-single dual-tandem dual-tridem", gears, " ")
    split("one bonded unbonded", layers, " ")
    print "units,location,gear,layer,tied,widened,h1,k,F"
    for (row = 0; row < rows; ++row) {
        metric = row % 7 == 0
        h1 = 6.0 + (row % 17) * 0.5
        k = 50.0 + (row % 13) * 25.0
        printf "%s,%s,%s,%s,%s,%s,%f,%f,%d\n", metric ? "metric" : "english", locations[row % 3 + 1],
               gears[row % 6 + 1], layers[row % 5 % 3 + 1], row % 2 == 0 ? "yes" : "no",
               row % 4 == 0 ? "yes" : "no", metric ? h1 * 2.54 : h1, metric ? k * 0.271 : k, row % 5 * 5
    }
}'
