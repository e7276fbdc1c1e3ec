#!/usr/bin/python3
# SPDX-License-Identifier: Apache-2.0
"""The Python module's batch figures: rows per second of korvanex-cli batch and of korvanex.batch on
the same 1,000,000 rows (bench/batch_rows.sh), and of korvanex.dask.batch on a LocalCluster of 1 and
2 worker processes. Each figure is the best of a few runs, the wall-clock time on every core.

Usage: /usr/bin/python3 bench/python_bench.py [BUILD_DIR] [ROWS]
"""

import os
import subprocess
import sys
import tempfile
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(SOURCE, "build"))
ROWS = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
RUNS = 3
sys.path.insert(0, os.path.join(BUILD, "python"))

import pandas  # noqa: E402

import korvanex  # noqa: E402
import korvanex.dask  # noqa: E402


def best_seconds(run, runs=RUNS):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return min(times)


def report(label, seconds):
    print(f"{label:<58} {seconds:7.2f} s {ROWS / seconds:10,.0f} rows/s", flush=True)
    return ROWS / seconds


def dask_seconds(path, workers, finish):
    """One run on a fresh LocalCluster, whose workers read their blocks of the CSV file themselves:
    a run on a cluster that still holds the results of the last would reuse them."""
    import dask.dataframe
    import distributed

    with distributed.LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, distributed.Client(cluster):
        results = korvanex.dask.batch(dask.dataframe.read_csv(path, blocksize=2_000_000))
        start = time.perf_counter()
        finish(results)
        return time.perf_counter() - start


def dask_figures(path, workers):
    kept = min(dask_seconds(path, workers, lambda results: results["CombinedStress"].max().compute())
               for _ in range(RUNS))
    report(f"korvanex.dask.batch, {workers} worker(s), results kept on the workers", kept)
    gathered = dask_seconds(path, workers, lambda results: results.compute())
    report(f"korvanex.dask.batch, {workers} worker(s), results gathered", gathered)


def main():
    cli = os.path.join(BUILD, "src", "cli", "korvanex-cli")
    with tempfile.TemporaryDirectory() as work:
        path = os.path.join(work, "rows.csv")
        with open(path, "w") as rows_file:
            generator = os.path.join(SOURCE, "bench", "batch_rows.sh")
            subprocess.run(["sh", generator, str(ROWS)], stdout=rows_file, check=True)
        print(f"{ROWS:,} rows, {korvanex._korvanex.__name__} on {os.cpu_count()} cores")
        output = os.path.join(work, "out.csv")
        cli_run = [cli, "batch", path, "--output", output]
        cli_rate = report("korvanex-cli batch FILE --output FILE",
                          best_seconds(lambda: subprocess.run(cli_run, check=True)))
        table = pandas.read_csv(path)
        module_rate = report("korvanex.batch(DataFrame)", best_seconds(lambda: korvanex.batch(table)))
        report("pandas.read_csv, then korvanex.batch",
               best_seconds(lambda: korvanex.batch(pandas.read_csv(path))))
        print(f"korvanex.batch / korvanex-cli batch: {module_rate / cli_rate:.0%}")
        for workers in (1, 2):
            dask_figures(path, workers)


if __name__ == "__main__":
    main()
