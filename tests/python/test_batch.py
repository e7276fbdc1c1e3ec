# SPDX-License-Identifier: Apache-2.0
"""korvanex.batch gives the columns and values of korvanex-cli batch: the same rows, computed by the
same runner, whatever the number of threads and however the table is given."""

import pandas
import pytest

import cli_tool
import korvanex

RESULT_COLUMNS = ["status", "warnings", "l", "LoadingStressOnly", "CombinedStress", "MdCombinedStress"]


@pytest.mark.parametrize("jobs", [1, 3])
def test_a_mixed_table_equals_the_tools_batch(tmp_path, jobs):
    path = tmp_path / "rows.csv"
    cli_tool.mixed_rows(600).to_csv(path, index=False)
    table = pandas.read_csv(path)
    expected = cli_tool.batch(str(path))
    pandas.testing.assert_frame_equal(korvanex.batch(table, jobs=jobs), expected, check_exact=True)


def test_a_plate_column_adds_the_tools_plate_columns(tmp_path):
    path = tmp_path / "rows.csv"
    path.write_text("plate,units,h1,k\nyes,,9,150\nno,metric,,\nYES,metric,20,0\nmaybe,,,\n"
                    "yes,metric,25,30\n")
    computed = korvanex.batch(pandas.read_csv(path), jobs=2)
    pandas.testing.assert_frame_equal(computed, cli_tool.batch(str(path)), check_exact=True)
    assert list(computed["plate_loading_stress_face"]) == ["bottom", "", "", "", "bottom"]


def test_python_values_are_the_cells_they_stand_for(tmp_path):
    given = {
        "units": ["english", "metric", None, "english"],
        "location": pandas.array(["edge", pandas.NA, "corner", "interior"], dtype="string"),
        "tied": [True, False, "yes", None],
        "h1": [9, 24.5, float("nan"), "12abc"],
        "F": [-10, 0.1, 1e-05, None],
    }
    cells = ("units,location,tied,h1,F\nenglish,edge,yes,9,-10\nmetric,,no,24.5,0.1\n,corner,yes,,1e-05\n"
             "english,interior,,12abc,\n")
    path = tmp_path / "rows.csv"
    path.write_text(cells)
    computed = korvanex.batch(given)
    expected = cli_tool.batch(str(path))
    pandas.testing.assert_frame_equal(computed[RESULT_COLUMNS], expected[RESULT_COLUMNS], check_exact=True)
    assert list(computed["h1"]) == given["h1"][:2] + [computed["h1"][2], "12abc"]


def test_a_table_without_rows_gives_the_columns_and_their_types():
    rows = korvanex.batch(pandas.DataFrame({"h1": pandas.Series([], dtype=float)}))
    assert list(rows.columns[:4]) == ["h1", "status", "warnings", "l"]
    assert rows["status"].dtype == object and rows["CombinedStress"].dtype == float


@pytest.mark.parametrize("header", ["h1,depth", "h1,H1"])
def test_a_bad_header_is_refused_with_the_tools_message(tmp_path, header):
    path = tmp_path / "rows.csv"
    path.write_text(header + "\n9,9\n")
    expected = cli_tool.message(cli_tool.run("batch", str(path))).removeprefix(f"{path}: ")
    with pytest.raises(korvanex.InputError, match=f"^{expected}$"):
        korvanex.batch(pandas.read_csv(path))


@pytest.mark.parametrize("jobs", [0, 257, 1.5])
def test_jobs_outside_1_to_256_are_refused(jobs):
    with pytest.raises(korvanex.InputError, match="^jobs takes a whole number from 1 to 256"):
        korvanex.batch({"h1": [9]}, jobs=jobs)
