"""Time per analysis: the Python package against the C++ batch path, and the ways of running
a few hundred analyses side by side.

    PYTHONPATH=build/python /usr/bin/python3 bench/python_vs_batch.py [--runs 200] [--repeat 5]

For each bundled example (the elastic pipe pile, the drilled shaft), the median over --repeat
rounds of the wall time per analysis of:
  C++ batch       the C++ batch runner called once for the whole list, in this process, on
                  one thread (run, plot file read back, summary; no Python per run): the
                  reference
  batch -j1       `tavik batch --list L -j 1` (the same in the command-line program)
  batch -j2       the same on two threads
  tavik.run       a Python loop of tavik.run(path, out_dir) (whole results model, report
                  columns included, as numpy arrays)
  sweep threads=1 tavik.sweep over a template on one engine thread (the C++ batch path
                  behind a Python table)
  sweep threads=2 the same on two threads
  sweep dask      the same sweep on a two-worker dask LocalCluster (worker processes)
  run processes   a loop of `tavik run` processes, one per input
The Python paths must stay within 10 % of the C++ batch per analysis; two threads should give
about twice the rate of one on two free cores.
"""

import argparse
import os
import pathlib
import shutil
import statistics
import subprocess
import tempfile
import time

import tavik
from tavik import _core

ROOT = pathlib.Path(__file__).resolve().parents[1]
EXAMPLES = ["elastic_pipe_pile_soft_clay", "drilled_shaft_clay_over_sand"]


def timed(action):
    start = time.perf_counter()
    action()
    return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=200, help="analyses per round")
    parser.add_argument("--repeat", type=int, default=5, help="rounds (the median is kept)")
    parser.add_argument("--cli", default=str(ROOT / "build" / "bin" / "tavik"))
    parser.add_argument("--no-dask", action="store_true", help="skip the Dask cluster")
    args = parser.parse_args()

    client = None
    if not args.no_dask:
        from distributed import Client, LocalCluster
        cluster = LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                               dashboard_address=None)
        client = Client(cluster)

    work = pathlib.Path(tempfile.mkdtemp(prefix="tavik-timing-"))
    try:
        for name in EXAMPLES:
            source = ROOT / "examples" / (name + ".inp")
            text = source.read_text()
            # Inputs under distinct names (the batch refuses two runs onto the same files).
            inputs = []
            for k in range(args.runs):
                path = work / f"{name}_{k}.inp"
                path.write_text(text)
                inputs.append(path)
            listing = work / "list.txt"
            listing.write_text("".join(f"{p}\n" for p in inputs))
            # The sweep's template: a placeholder at the start of the first title line, so
            # every combination is the example itself.
            template = text.replace("TITLE\n", "TITLE\nRun {{K}}: ", 1)
            parameters = {"K": list(range(args.runs))}
            out = work / "out"
            out.mkdir(exist_ok=True)

            def batch(threads):
                subprocess.run([args.cli, "batch", "--list", str(listing), "-j", str(threads),
                                "--out-dir", str(out)], check=True, stdout=subprocess.DEVNULL)

            files = [[str(p)] + [str(out / p.stem) + ext for ext in (".out", ".plt", ".msg")]
                     for p in inputs]

            def cxx_batch():
                done = _core.run_summaries(files, 1)
                if any(one["end"] != "normal" for one in done):
                    raise RuntimeError("a run of the C++ batch did not end normally")

            def python_loop():
                for p in inputs:
                    if not tavik.run(p, out_dir=out).ok:
                        raise RuntimeError(f"{p} did not end normally")

            def processes():
                for p in inputs:
                    subprocess.run([args.cli, "run", str(p), "--out-dir", str(out)],
                                   check=True, stdout=subprocess.DEVNULL)

            def sweep(**how):
                study = tavik.sweep(template, parameters, **how)
                if set(study["status"]) != {"normal"}:
                    raise RuntimeError(f"the sweep did not end normally: {set(study['status'])}")

            ways = {
                "C++ batch": cxx_batch,
                "batch -j1": lambda: batch(1),
                "batch -j2": lambda: batch(2),
                "tavik.run": python_loop,
                "sweep threads=1": lambda: sweep(threads=1),
                "sweep threads=2": lambda: sweep(threads=2),
            }
            if client is not None:
                ways["sweep dask"] = lambda: sweep(client=client)
            ways["run processes"] = processes

            rounds = {way: [] for way in ways}
            for _ in range(args.repeat):  # interleaved, so that load changes hit all alike
                for way, action in ways.items():
                    rounds[way].append(timed(action) / args.runs * 1e3)
            reference = statistics.median(rounds["C++ batch"])
            print(f"\n{name}: {args.runs} analyses per round, median of {args.repeat}")
            print(f"{'path':<18}{'ms/analysis':>12}{'analyses/s':>12}{'vs C++ batch':>14}")
            for way, times in rounds.items():
                ms = statistics.median(times)
                print(f"{way:<18}{ms:>12.3f}{1e3 / ms:>12.1f}{ms / reference:>13.2f}x")
            shutil.rmtree(out, ignore_errors=True)
            for p in inputs:
                os.remove(p)
    finally:
        shutil.rmtree(work, ignore_errors=True)
        if client is not None:
            client.close()
            cluster.close()


if __name__ == "__main__":
    main()
