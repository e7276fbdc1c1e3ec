# SPDX-License-Identifier: Apache-2.0
"""korvanex.dask on a LocalCluster of two worker processes: the batch of 100,000 rows equals the
tool's, value for value, and each section of fatigue_many equals korvanex.fatigue on its own."""

import subprocess
import sys

import dask.dataframe
import distributed
import pandas
import pytest

import cli_tool
import korvanex
import korvanex.dask


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as client:
        yield client


def test_a_batch_of_100000_rows_equals_the_tools(client, tmp_path):
    path = tmp_path / "rows.csv"
    cli_tool.mixed_rows(100_000).to_csv(path, index=False)
    rows = dask.dataframe.from_pandas(pandas.read_csv(path), npartitions=8)
    computed = korvanex.dask.batch(rows).compute()
    pandas.testing.assert_frame_equal(computed, cli_tool.batch(str(path)), check_exact=True)


def test_each_section_equals_its_fatigue_on_its_own(client):
    spectra = {
        "heavy": pandas.read_csv(cli_tool.SPECTRUM),
        "light": {"P": [9000, 12000], "repetitions": [1e6, 1e5]},
    }
    sections = pandas.DataFrame({
        "h1": [8.0, 9.5, 10.0, 9.0, 8.5],
        "k": [100, 150, 200, "abc", 120],
        "spectrum": ["heavy", "light", "heavy", "light", "none"],
    }, index=pandas.Index(["A1", "A2", "B1", "B2", "C1"], name="section"))
    settings = {"model": "power", "solve_thickness": True}
    network = korvanex.dask.fatigue_many(dask.dataframe.from_pandas(sections, npartitions=2), spectra, 650,
                                         **settings).compute()
    for name, section in sections.iterrows():
        row = network.loc[name]
        case = section.drop("spectrum").to_dict()
        if section["spectrum"] not in spectra:
            assert row["status"] == "error: no spectrum 'none'"
        elif section["k"] == "abc":
            with pytest.raises(korvanex.InputError) as raised:
                korvanex.fatigue(case, spectra[section["spectrum"]], 650, **settings)
            assert row["status"] == f"error: {raised.value}"
        else:
            alone = korvanex.fatigue(case, spectra[section["spectrum"]], 650, **settings)
            totals = ["status", "total_damage_percent", "cracking_percent", "required_h1"]
            assert list(row[totals]) == [
                "ok", alone.total_damage_percent, alone.cracking_percent, alone.required_h1]


def test_without_dask_the_module_says_what_to_install():
    script = (
        "import sys; sys.modules['dask'] = None\n"
        "import korvanex.dask\n"
        "try:\n    korvanex.dask.batch(None)\nexcept ImportError as error:\n    print(error)\n"
    )
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, check=True)
    assert done.stdout == korvanex.dask.DASK_NEEDED + "\n"
