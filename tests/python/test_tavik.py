"""The Python package: run results equal the plot file the engine wrote, failed runs return
their error, threads give the results of single runs, and a sweep on a Dask cluster equals the
same sweep on local threads.

Run by CTest with Debian's /usr/bin/python3 and PYTHONPATH=build/python.
"""

import math
import os
import pathlib
import tempfile
import unittest
from concurrent.futures import ThreadPoolExecutor

import numpy as np

import tavik

SOURCE = pathlib.Path(os.environ.get("TAVIK_SOURCE_DIR",
                                     pathlib.Path(__file__).resolve().parents[2]))
EXAMPLES = ["elastic_pipe_pile_soft_clay", "drilled_shaft_clay_over_sand",
            "elastic_pile_stiff_clay_si", "prestressed_square_pile_sand"]
ELASTIC = SOURCE / "examples" / "elastic_pipe_pile_soft_clay.inp"


def example(name):
    return SOURCE / "examples" / (name + ".inp")


def plot_records(path, kind):
    """The numbers of every plot record of one kind ("Line 10(", "Line 13"), read here by
    splitting the text before the label, independently of the package's reader."""
    rows = []
    with open(path) as f:
        for line in f:
            at = line.find(kind)
            if at >= 0:
                rows.append([float(x) for x in line[:at].split()])
    return np.array(rows)


def scratch(test):
    """A temporary folder removed when the test ends."""
    folder = tempfile.TemporaryDirectory()
    test.addCleanup(folder.cleanup)
    return folder.name


def length_template():
    """The elastic example with its pile length (60 ft, the fourth line of the section) as
    the placeholder {{LENGTH}}."""
    text = ELASTIC.read_text()
    assert text.count("\n60.0\n") == 1
    return text.replace("\n60.0\n", "\n{{LENGTH}}\n")


class RunTest(unittest.TestCase):
    def test_results_equal_the_plot_file(self):
        with tempfile.TemporaryDirectory() as out:
            result = tavik.run(example("drilled_shaft_clay_over_sand"), out_dir=out)
            self.assertEqual(result.end, "normal")
            self.assertEqual(result.status, 0)
            self.assertEqual(result.units, "us_customary")
            nodes = plot_records(result.files["plot"], "Line 10(")
            summary = plot_records(result.files["plot"], "Line 13")

        # Every node of both load cases: depth, y, M, V, p, EI as the records hold them.
        self.assertEqual(len(result.load_cases), 2)
        ours = np.concatenate([
            np.column_stack([lc.nodes[c].to_numpy() for c in
                             ("depth", "deflection", "moment", "shear", "soil_reaction", "ei")])
            for lc in result.load_cases])
        np.testing.assert_array_equal(ours, nodes)
        # The summary: head deflection, maximum moment and shear, head rotation.
        table = result.summary
        np.testing.assert_array_equal(table["head_deflection"], summary[:, 1])
        np.testing.assert_array_equal(table["max_moment"], summary[:, 2])
        np.testing.assert_array_equal(table["max_shear"], summary[:, 3])
        np.testing.assert_array_equal(table["head_rotation"], summary[:, 4])
        # The report's node columns are there for the printed nodes (every second one).
        slope = result.load_cases[0].nodes["slope"].to_numpy()
        self.assertTrue(np.isfinite(slope[0]) and np.isnan(slope[1]))

    def test_input_text_runs_in_a_temporary_folder(self):
        result = tavik.run(ELASTIC.read_text())
        self.assertEqual(result.end, "normal")
        self.assertIsNone(result.files)
        reference = tavik.run(ELASTIC, out_dir=scratch(self))
        np.testing.assert_array_equal(result.summary["head_deflection"],
                                      reference.summary["head_deflection"])

    def test_failed_runs_return_their_error(self):
        bad = (SOURCE / "tests" / "cases" / "user_py_bad_curve.inp").read_text()
        cases = [
            (bad, "input_error", 192, "INP00092"),
            (pathlib.Path(tempfile.gettempdir()) / "tavik-absent" / "absent.inp",
             "runtime_error", 218, "RUN00018"),
        ]
        for source, end, number, code in cases:
            with self.subTest(code=code):
                result = tavik.run(source)
                self.assertFalse(result.ok)
                self.assertEqual(result.end, end)
                self.assertEqual(result.error_number, number)
                self.assertEqual(result.status, number)
                self.assertEqual(result.message_code, code)
                self.assertEqual(len(result.summary), 0)
                self.assertEqual(result.load_cases, [])
        self.assertIn("cannot be opened", tavik.run(cases[1][0]).error_meaning)

    def test_four_threads_give_the_results_of_one(self):
        sources = [example(name) for name in EXAMPLES] * 2
        with tempfile.TemporaryDirectory() as out:
            # Each run its own output folder: the same input twice must not share files.
            folders = [os.path.join(out, str(k)) for k in range(len(sources))]
            alone = [tavik.run(s, out_dir=f + "a") for s, f in zip(sources, folders)]
            with ThreadPoolExecutor(max_workers=4) as pool:
                threaded = list(pool.map(lambda sf: tavik.run(sf[0], out_dir=sf[1]),
                                         zip(sources, folders)))
        for one, many in zip(alone, threaded):
            self.assertEqual(many.status, one.status)
            self.assertTrue(one.summary.equals(many.summary))
            for a, b in zip(one.load_cases, many.load_cases):
                self.assertTrue(a.nodes.equals(b.nodes))


class SweepTest(unittest.TestCase):
    def test_placeholders_and_tables_of_values(self):
        template = "a {{A}} b {{ B }} a {{A}}"
        self.assertEqual(tavik.placeholders(template), ["A", "B"])
        self.assertEqual(tavik.fill(template, {"A": 1, "B": 2.5}), "a 1 b 2.5 a 1")
        # The full product, the last parameter varying fastest.
        self.assertEqual(tavik.combinations({"A": [1, 2], "B": [3, 4]}),
                         [{"A": 1, "B": 3}, {"A": 1, "B": 4}, {"A": 2, "B": 3},
                          {"A": 2, "B": 4}])
        rows = [{"A": 1, "B": 2}]
        self.assertEqual(tavik.combinations(rows), rows)
        for parameters in ({"A": [1]}, {"A": [1], "B": [2], "C": [3]},
                           {"A": [1], "B": [2], "status": [0]}):
            with self.subTest(parameters=parameters), self.assertRaises(ValueError):
                tavik.sweep(template, parameters)

    def test_sweep_rows_equal_single_runs_and_failures_keep_their_status(self):
        # 60 ft is the example itself; 80 ft reaches below the soil profile (70 ft), which
        # the engine refuses with input error 18.
        table = tavik.sweep(length_template(), {"LENGTH": [50.0, 60.0, 80.0]}, threads=2)
        single = tavik.run(ELASTIC, out_dir=scratch(self))
        self.assertEqual(list(table["status"]), ["normal"] * 4 + ["input_error"])
        at_60 = table[table["LENGTH"] == 60.0]
        np.testing.assert_array_equal(at_60["load_case"], [1, 2])
        for column in ("head_deflection", "head_rotation", "max_moment", "max_moment_depth",
                       "max_shear", "max_shear_depth"):
            np.testing.assert_array_equal(at_60[column], single.summary[column])
        failed = table.iloc[-1]
        self.assertEqual(failed["return_value"], 118)
        self.assertEqual(failed["message_code"], "INP00018")
        self.assertTrue(math.isnan(failed["head_deflection"]))
        one_case = tavik.sweep(length_template(), {"LENGTH": [50.0, 60.0]}, load_case=2)
        self.assertEqual(list(one_case["load_case"]), [2, 2])

    def test_dask_cluster_equals_local_threads(self):
        from distributed import Client, LocalCluster

        parameters = {"LENGTH": [40.0 + 2.5 * k for k in range(12)]}
        local = tavik.sweep(length_template(), parameters, threads=2)
        with LocalCluster(n_workers=2, threads_per_worker=1, processes=False,
                          dashboard_address=None) as cluster, Client(cluster) as client:
            remote = tavik.sweep(length_template(), parameters, client=client)
        self.assertEqual(len(local), 24)
        self.assertTrue(local.equals(remote))


if __name__ == "__main__":
    unittest.main()
