"""One analysis from Python: tavik.run and the result it returns."""

import functools
import os
import shutil
import tempfile

from . import _core
from ._tables import table

# How a run ended (RunResult.end): the engine's outcome, or a plot file that could not be read.
ENDED_NORMALLY = ("normal", "warnings")


def _is_input_text(source):
    """Input text holds a line end; anything else (a str without one, a path-like) is a path."""
    if isinstance(source, bytes):
        return True
    return isinstance(source, str) and ("\n" in source or "\r" in source)


class LoadCase:
    """The results of one load case (or LRFD combination), in the run's units.

    nodes: table with depth, deflection, slope, moment, shear, soil_reaction, soil_spring,
        distributed_load, ei per node (slope, soil_spring and distributed_load come from the
        report and are NaN when it was not read).
    summary: dict of the pile-head summary (head_shear, head_deflection, max_moment, max_shear,
        head_rotation), or None.
    length_study: table of pile_length, head_deflection, max_moment, max_shear (empty when no
        study ran).
    """

    def __init__(self, raw):
        self.number = raw["number"]
        self.summary = raw["summary"]
        self._raw = raw

    @functools.cached_property
    def nodes(self):
        return table(self._raw["nodes"])

    @functools.cached_property
    def length_study(self):
        return table(self._raw["length_study"])

    def __repr__(self):
        return f"LoadCase({self.number}, {len(self._raw['nodes']['depth'])} nodes)"


class RunResult:
    """How one analysis ended and, when it ended normally, its results model.

    status: the value the host entry point returns (0, 100 + n, 200 + n, 999, or the negative
        warning number, -300 for several kinds of warning).
    end: "normal", "warnings", "input_error", "runtime_error", "internal_error", or
        "results_unreadable" (ended normally, but the plot file could not be read back).
    error_number, message_code, error_meaning: the error that ended the run (0 and empty texts
        for none).
    warnings: {warning number: times reported}.
    files: the input, report, plot and message file paths, or None when they were written to a
        temporary folder that is gone.
    Results (None or empty when the run did not end normally): units ("us_customary", "si",
    "general"), summary (one row per load case: load_case, head_deflection, head_rotation,
    max_moment, max_moment_depth, max_shear, max_shear_depth), load_cases (LoadCase list),
    sections (per section: kind and, per axial thrust, numpy arrays of moment, ei, curvature),
    py_curves (depth, criterion, numpy arrays y and p), stiffness_matrix (table).
    """

    def __init__(self, raw, files):
        self.status = raw["status"]
        self.end = raw["end"]
        self.error_number = raw["error_number"]
        self.message_code = raw["message_code"]
        self.error_meaning = raw["error_meaning"]
        self.warnings = dict(raw["warnings"])
        self.results_error = raw["results_error"]
        self.files = files
        self._results = raw["results"]

    @property
    def ok(self):
        """True when the run ended normally (with or without warnings)."""
        return self.end in ENDED_NORMALLY

    @property
    def raw(self):
        """The results model as the compiled module returned it (dicts of numpy arrays)."""
        return self._results

    def _field(self, name, empty):
        return empty if self._results is None else self._results[name]

    @property
    def units(self):
        return self._field("units", None)

    @property
    def lrfd(self):
        return self._field("lrfd", False)

    @functools.cached_property
    def summary(self):
        return table(self._field("summary", _EMPTY_SUMMARY))

    @functools.cached_property
    def load_cases(self):
        return [LoadCase(raw) for raw in self._field("load_cases", [])]

    @property
    def sections(self):
        return self._field("sections", [])

    @property
    def py_curves(self):
        return self._field("py_curves", [])

    @functools.cached_property
    def stiffness_matrix(self):
        return table(self._field("stiffness_matrix", {}))

    def __repr__(self):
        text = f"RunResult(end={self.end!r}, status={self.status}"
        if self.error_number:
            text += f", message_code={self.message_code!r}, error_meaning={self.error_meaning!r}"
        return text + ")"


_EMPTY_SUMMARY = {name: [] for name in ("load_case", "head_deflection", "head_rotation",
                                        "max_moment", "max_moment_depth", "max_shear",
                                        "max_shear_depth")}


def _output_paths(folder, stem):
    base = os.path.join(folder, stem)
    return base + ".out", base + ".plt", base + ".msg"


def run(path_or_text, out_dir=None, name="input"):
    """Run one analysis and return its RunResult; a run that ends on an error raises nothing.

    path_or_text: the path of a keyword input data file (str or path-like), or the input text
        itself (a str or bytes holding a line end).
    out_dir: folder for the report (STEM.out), plot file (STEM.plt) and run-message file
        (STEM.msg); created when missing. Default: beside the input file, as `tavik run` does;
        for input text, a temporary folder removed before returning (files is then None).
    name: the stem of the files written for input text (NAME.inp and the outputs).

    The analysis and the reading of its files run with the interpreter lock released, so
    threads run analyses in parallel.
    """
    if not _is_input_text(path_or_text):
        input_path = os.fspath(path_or_text)
        folder = out_dir if out_dir is not None else os.path.dirname(input_path)
        if folder:
            os.makedirs(folder, exist_ok=True)
        stem = os.path.splitext(os.path.basename(input_path))[0]
        report, plot, messages = _output_paths(folder, stem)
        raw = _core.run(input_path, report, plot, messages)
        return RunResult(raw, {"input": input_path, "report": report, "plot": plot,
                               "messages": messages})

    text = path_or_text if isinstance(path_or_text, bytes) else path_or_text.encode()
    temporary = None
    if out_dir is None:
        temporary = tempfile.mkdtemp(prefix="tavik-")
        folder = temporary
    else:
        folder = os.fspath(out_dir)
        os.makedirs(folder, exist_ok=True)
    try:
        input_path = os.path.join(folder, name + ".inp")
        with open(input_path, "wb") as f:
            f.write(text)
        report, plot, messages = _output_paths(folder, name)
        raw = _core.run(input_path, report, plot, messages)
    finally:
        if temporary is not None:
            shutil.rmtree(temporary, ignore_errors=True)
    files = None if temporary is not None else {"input": input_path, "report": report,
                                                 "plot": plot, "messages": messages}
    return RunResult(raw, files)
