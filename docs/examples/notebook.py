# SPDX-License-Identifier: Apache-2.0
# The Python module in a notebook: each block below is a cell. Run it where traffic-loads.csv is
# (docs/examples, or /usr/share/doc/korvanex/examples once the package is installed); from the source
# tree, after the build: cd docs/examples && PYTHONPATH=../../build/python python3 notebook.py

# %% The example traffic spectrum, read with pandas, on the default case, MR = 650 psi
import pandas as pd

import korvanex

spectrum = pd.read_csv("traffic-loads.csv")
result = korvanex.fatigue(None, spectrum, 650, solve_thickness=True)
print(result.groups[["gear", "P", "stress", "stress_ratio", "damage_percent"]].round(3).to_string())
print(f"Total damage {result.total_damage_percent:.2f} %, required slab thickness {result.thickness}")

# %% The damage against the slab thickness, plotted with matplotlib
import matplotlib

matplotlib.use("Agg")  # a script writes the figure to a file; a notebook shows it in the cell
import matplotlib.pyplot as plt
import numpy as np

thicknesses = np.arange(7.5, 10.01, 0.25)
damage = [korvanex.fatigue({"h1": h1}, spectrum, 650).total_damage_percent for h1 in thicknesses]
print(pd.DataFrame({"h1": thicknesses, "damage_percent": damage}).round(2).to_string(index=False))
figure, axes = plt.subplots(figsize=(6, 3.5))
axes.semilogy(thicknesses, damage, marker="o")
axes.axhline(100, linestyle="--", color="grey")
axes.set(xlabel="Slab thickness h1 (in)", ylabel="Fatigue damage (%)", title="Example spectrum, MR 650 psi")
figure.savefig("damage-against-thickness.png", dpi=100, bbox_inches="tight")

# %% A network on Dask: each section with its own traffic, and a batch over a grid of sections
import dask.dataframe as dd
from dask.distributed import Client, LocalCluster

import korvanex.dask

sections = pd.DataFrame(
    {
        "location": ["edge", "edge", "corner", "interior"],
        "h1": [8.5, 9.5, 9.0, 8.0],
        "k": [100, 150, 200, 100],
        "spectrum": ["urban", "urban", "rural", "rural"],
    },
    index=pd.Index(["A-101", "A-102", "B-201", "B-202"], name="section"),
)
spectra = {"urban": spectrum, "rural": spectrum.assign(repetitions=spectrum["repetitions"] / 4)}
locations = ["interior", "edge", "corner"]
grid = pd.DataFrame(
    [(location, h1, k) for location in locations for h1 in range(7, 13) for k in range(50, 501, 25)],
    columns=["location", "h1", "k"],
)
# A cluster of its own here; Client("tcp://scheduler:8786") reaches an existing one. Worker processes
# (the default) need the code under if __name__ == "__main__": in a script, not in a notebook.
with LocalCluster(n_workers=2, processes=False) as cluster, Client(cluster):
    network = korvanex.dask.fatigue_many(dd.from_pandas(sections, npartitions=2), spectra, 650,
                                         solve_thickness=True)
    network = network[["spectrum", "status", "total_damage_percent", "required_h1"]].compute()
    print(network.round(2).to_string())
    stresses = korvanex.dask.batch(dd.from_pandas(grid, npartitions=4)).compute()
print(stresses.groupby("location")["CombinedStress"].max().round(1).to_string())
