"""Tavik from Python: lateral analysis of single piles and drilled shafts by the p-y method.

    import tavik
    result = tavik.run("examples/drilled_shaft_clay_over_sand.inp", out_dir="results")
    result.end, result.status, result.warnings   # how it ended
    result.summary                               # one row per load case
    result.load_cases[0].nodes                   # deflection, moment, ... along the pile

    study = tavik.sweep(template_text, {"LENGTH": [20.0, 25.0, 30.0]})

Tables are pandas DataFrames when pandas is importable, else dicts of numpy arrays. The
engine runs with the interpreter lock released: Python threads run analyses in parallel.
"""

from . import _core
from ._run import LoadCase, RunResult, run
from ._tables import HAVE_PANDAS
from .parametric import combinations, fill, placeholders, sweep

__version__ = _core.version()

__all__ = ["run", "sweep", "RunResult", "LoadCase", "placeholders", "fill", "combinations",
           "HAVE_PANDAS", "__version__"]
