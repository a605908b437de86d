"""Tables of results: pandas DataFrames when pandas is importable, else plain columns."""

try:
    import pandas as _pandas
except ImportError:  # pandas is optional: tables are then dicts of numpy arrays
    _pandas = None

HAVE_PANDAS = _pandas is not None


def table(columns):
    """A dict of equal-length numpy arrays as a DataFrame, or the dict itself without pandas."""
    if _pandas is None:
        return columns
    return _pandas.DataFrame(columns, copy=False)


def records(rows):
    """A list of dicts (one per row) as a DataFrame, or the list itself without pandas."""
    if _pandas is None:
        return rows
    return _pandas.DataFrame.from_records(rows)
