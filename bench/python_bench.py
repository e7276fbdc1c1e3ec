#!/usr/bin/python3
# SPDX-License-Identifier: Apache-2.0
"""The Python module's batch figures: rows per second of korvanex-cli batch and of korvanex.batch on
the same 1,000,000 rows (bench/batch_rows.sh), and of korvanex.dask.batch on a LocalCluster of 1 and
2 worker processes. Each figure is the best of a few runs, the wall-clock time on every core; the
CPU seconds of the tool and of the module (all their threads) are given too, for on a machine that
other work shares, the wall-clock time also depends on how many threads each keeps busy.

Usage: /usr/bin/python3 bench/python_bench.py [BUILD_DIR] [ROWS]
"""

import os
import resource
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


def timed(run):
    """The wall-clock and the CPU seconds of one run, the CPU of this process's threads and of the
    programs it ran."""
    start = time.perf_counter(), time.process_time(), resource.getrusage(resource.RUSAGE_CHILDREN)
    run()
    end = time.perf_counter(), time.process_time(), resource.getrusage(resource.RUSAGE_CHILDREN)
    children = (end[2].ru_utime + end[2].ru_stime) - (start[2].ru_utime + start[2].ru_stime)
    return end[0] - start[0], end[1] - start[1] + children


def best_seconds(run, runs=RUNS):
    return min(timed(run)[0] for _ in range(runs))


def report(label, seconds, cpu=None):
    line = f"{label:<58} {seconds:7.2f} s {ROWS / seconds:10,.0f} rows/s"
    print(line + (f"   CPU {cpu:6.2f} s" if cpu is not None else ""), flush=True)
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
        table = pandas.read_csv(path)
        # Turn about, so that both see the same load of the machine; the best run of each counts.
        cli_times, module_times = [], []
        for _ in range(RUNS):
            cli_times.append(timed(lambda: subprocess.run(cli_run, check=True)))
            module_times.append(timed(lambda: korvanex.batch(table)))
        cli_rate = report("korvanex-cli batch FILE --output FILE", *min(cli_times))
        module_rate = report("korvanex.batch(DataFrame)", *min(module_times))
        read_and_compute = best_seconds(lambda: korvanex.batch(pandas.read_csv(path)))
        report("pandas.read_csv, then korvanex.batch", read_and_compute)
        print(f"korvanex.batch / korvanex-cli batch: {module_rate / cli_rate:.0%} of the rows per second, "
              f"{min(cli_times)[1] / min(module_times)[1]:.0%} of the rows per CPU second", flush=True)
        for workers in (1, 2):
            dask_figures(path, workers)


if __name__ == "__main__":
    main()
