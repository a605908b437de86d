"""Parametric studies: one template input, a table of values, one analysis per combination.

Placeholders are written {{NAME}} in the template (NAME: letters, digits and underscores,
not starting with a digit; blanks inside the braces are allowed, {{ LENGTH }}). Each is
replaced by the value of the parameter NAME: integers and strings as they are, floats in
their shortest exact form (30.0, 0.0125, 1e-05). Every placeholder needs a value and every
parameter must appear in the template.
"""

import itertools
import math
import os
import re
import shutil
import tempfile

from . import _core
from ._tables import records

PLACEHOLDER = re.compile(r"\{\{\s*([A-Za-z_][A-Za-z0-9_]*)\s*\}\}")

# Columns of a sweep row after the parameters.
RESULT_COLUMNS = ("status", "return_value", "message_code", "error_meaning", "units",
                  "load_case", "head_deflection", "head_rotation", "max_moment",
                  "max_moment_depth", "max_shear", "max_shear_depth")
_VALUE_COLUMNS = RESULT_COLUMNS[6:]

# Runs handed to the engine at once on local threads (bounds the temporary files on disk).
_LOCAL_CHUNK = 256
# On a cluster, runs per task: about this many tasks per worker thread, for balance.
_TASKS_PER_THREAD = 4


def placeholders(template):
    """The placeholder names of a template, in order of first appearance."""
    return list(dict.fromkeys(PLACEHOLDER.findall(template)))


def _value_text(value):
    if hasattr(value, "item") and not isinstance(value, (str, bytes)):
        value = value.item()  # a numpy scalar
    if isinstance(value, bool):
        raise ValueError(f"a parameter value must be a number or a text, not {value!r}")
    if isinstance(value, float):
        if not math.isfinite(value):
            raise ValueError(f"a parameter value must be finite, not {value!r}")
        return repr(value)
    return str(value)


def fill(template, values):
    """The template with every placeholder replaced by its value (a KeyError names a missing one)."""
    return PLACEHOLDER.sub(lambda m: _value_text(values[m.group(1)]), template)


def combinations(parameters):
    """The rows of a parameter table, as a list of dicts.

    parameters: a dict of lists (the full product, the last parameter varying fastest), a list
    of dicts (one per combination), or a pandas DataFrame (one combination per row).
    """
    if hasattr(parameters, "to_dict") and hasattr(parameters, "columns"):
        return parameters.to_dict("records")
    if isinstance(parameters, dict):
        names = list(parameters)
        columns = [list(parameters[n]) for n in names]
        return [dict(zip(names, row)) for row in itertools.product(*columns)]
    return [dict(row) for row in parameters]


def _template_text(template):
    if isinstance(template, os.PathLike) or (isinstance(template, str) and "\n" not in template
                                             and os.path.isfile(template)):
        with open(template, encoding="latin-1") as f:
            return f.read()
    return template


def _run_texts(texts, threads=1):
    """Run the input texts (on `threads` engine threads) in a temporary folder; one dict each:
    the outcome and the pile-head summary of every load case. Cluster tasks call this."""
    folder = tempfile.mkdtemp(prefix="tavik-sweep-")
    try:
        files = []
        for k, text in enumerate(texts):
            base = os.path.join(folder, f"run{k}")
            with open(base + ".inp", "w", encoding="latin-1") as f:
                f.write(text)
            files.append([base + ".inp", base + ".out", base + ".plt", base + ".msg"])
        return _core.run_summaries(files, threads)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def _rows(values, done, load_case):
    head = dict(values)
    head.update(status=done["end"], return_value=done["status"],
                message_code=done["message_code"], error_meaning=done["error_meaning"],
                units=done["units"] if done["end"] in ("normal", "warnings") else None)
    summary = done["summary"]
    cases = list(summary["load_case"])
    rows = []
    for k, number in enumerate(cases):
        if load_case is not None and number != load_case:
            continue
        row = dict(head, load_case=int(number))
        for column in _VALUE_COLUMNS:
            row[column] = float(summary[column][k])
        rows.append(row)
    if not rows:
        rows.append(dict(head, load_case=None, **{c: math.nan for c in _VALUE_COLUMNS}))
    return rows


def _chunks(items, size):
    return [items[k:k + size] for k in range(0, len(items), size)]


def sweep(template, parameters, client=None, threads=None, load_case=None):
    """Run one analysis per combination of parameter values and tabulate the pile-head results.

    template: the input text with {{NAME}} placeholders, or the path of a file holding it.
    parameters: dict of lists (full product), list of dicts, or a DataFrame (see combinations).
    client: a dask.distributed Client: the runs are mapped over its workers (in tasks of several
        runs each); None runs them on local threads.
    threads: local worker threads (default: one per processor); ignored with a client.
    load_case: keep only that load case's row of each combination (default: every load case).

    Returns one row per combination and load case (exactly one per combination for a
    single-load-case template or with load_case=): the parameter values, then status,
    return_value, message_code, error_meaning, units, load_case, head_deflection,
    head_rotation, max_moment, max_moment_depth, max_shear, max_shear_depth. A combination
    that ended on an error (or has no load cases) gets one row with its status and NaN values.
    A DataFrame with pandas, else a list of dicts. Values are in the template's units.
    """
    text = _template_text(template)
    names = placeholders(text)
    rows = combinations(parameters)
    for values in rows:
        missing = [n for n in names if n not in values]
        unused = [n for n in values if n not in names]
        if missing or unused:
            raise ValueError(f"placeholders without a value: {missing}; "
                             f"parameters not in the template: {unused}")
        clash = [n for n in values if n in RESULT_COLUMNS]
        if clash:
            raise ValueError(f"parameter names clash with result columns: {clash}")
    texts = [fill(text, values) for values in rows]

    if client is None:
        workers = threads or os.cpu_count() or 1
        done = []
        for chunk in _chunks(texts, _LOCAL_CHUNK):
            done.extend(_run_texts(chunk, workers))
    else:
        total_threads = sum(client.nthreads().values()) or 1
        size = max(1, math.ceil(len(texts) / (_TASKS_PER_THREAD * total_threads)))
        futures = client.map(_run_texts, _chunks(texts, size), pure=False)
        done = [one for chunk in client.gather(futures) for one in chunk]

    table = [row for values, one in zip(rows, done) for row in _rows(values, one, load_case)]
    result = records(table)
    if not table and hasattr(result, "reindex"):
        result = result.reindex(columns=names + list(RESULT_COLUMNS))
    return result
