"""Pile-head deflection against pile length: a parametric study of a bundled example.

Run headless from the repository root (writes length_sweep.png):

    PYTHONPATH=build/python /usr/bin/python3 examples/length_sweep.py [--out FILE.png]

The elastic 24-inch steel pipe pile in soft clay (examples/elastic_pipe_pile_soft_clay.inp,
60 ft long) is analysed for lengths from 15 to 65 ft; a short pile rotates as a rigid body
and deflects much more at its head, a long one is fixed by the soil below a few diameters
and its head deflection no longer changes with length.
"""

# %% Setup: the plots are drawn without a display (Agg backend).
import argparse
import pathlib

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402  (after the backend is chosen)

import tavik  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent

# %% The template: the example with its pile length, the fourth line of the section
# (60.0 ft), replaced by the placeholder {{LENGTH}}.
example = (HERE / "elastic_pipe_pile_soft_clay.inp").read_text()
template = example.replace("\n60.0\n", "\n{{LENGTH}}\n", 1)
assert "{{LENGTH}}" in template

# %% The sweep: one analysis per length on local threads; one row per length and load case.
lengths = [15.0 + 1.25 * k for k in range(41)]  # 15 to 65 ft
study = tavik.sweep(template, {"LENGTH": lengths})
failed = study[~study["status"].isin(["normal", "warnings"])]
if len(failed):
    print(failed[["LENGTH", "status", "message_code", "error_meaning"]].to_string())

# %% The figure: head deflection against length, one line per load case.
fig, ax = plt.subplots(figsize=(7, 4.5))
for case, rows in study.dropna(subset=["load_case"]).groupby("load_case"):
    ax.plot(rows["LENGTH"], rows["head_deflection"], marker="o", markersize=3,
            label=f"load case {int(case)}")
ax.set_xlabel("Pile length (ft)")
ax.set_ylabel("Pile-head deflection (in)")
ax.set_title("Elastic pipe pile in soft clay: head deflection against length")
ax.grid(True, alpha=0.3)
ax.legend()
fig.tight_layout()

# %% Save.
parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
parser.add_argument("--out", default="length_sweep.png", help="PNG file to write")
out = parser.parse_args().out
fig.savefig(out, dpi=120)
print(f"{len(lengths)} lengths, {len(study)} rows; figure written to {out}")
