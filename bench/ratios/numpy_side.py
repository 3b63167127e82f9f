"""The numpy side of bench/ratios/run: the same work on the data that the
Zentabl side wrote into the folder given, one line per figure,
"name<TAB>median seconds"."""

import statistics
import sys
import time

import numpy

RUNS = 3
# The short figures take more runs after one untimed run, as zentabl_side.cpp
# times them.
SHORT_FIGURE_RUNS = 9
SHORT_FIGURES = ("settext_1000", "settext_2000", "load_1000")


def median(work, runs=RUNS):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        work()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def warm_median(work):
    work()
    return median(work, SHORT_FIGURE_RUNS)


def square(name, order):
    return numpy.fromfile(name, dtype="<f8").reshape(order, order)


def main(folder):
    a = square(f"{folder}/a1000.bin", 1000)
    b = square(f"{folder}/b1000.bin", 1000)
    r = square(f"{folder}/r500.bin", 500)
    figures = {
        "product_1000": lambda: a @ b,
        "inv_1000": lambda: numpy.linalg.inv(a),
        "det_1000": lambda: numpy.linalg.det(a),
        "rank_500": lambda: numpy.linalg.matrix_rank(r),
        "cond_500": lambda: numpy.linalg.cond(r),
        "eigvals_500": lambda: numpy.linalg.eigvals(r),
        "eigvec2_500": lambda: numpy.linalg.eigh(r + r.T),
        "settext_1000": lambda: numpy.loadtxt(f"{folder}/fixed1000.txt"),
        "settext_2000": lambda: numpy.loadtxt(f"{folder}/fixed2000.txt"),
        "load_1000": lambda: numpy.fromfile(f"{folder}/RegL", dtype="<f8")[2:].reshape(1000, 1000),
    }
    for name, work in figures.items():
        seconds = warm_median(work) if name in SHORT_FIGURES else median(work)
        print(f"{name}\t{seconds:.6f}", flush=True)


if __name__ == "__main__":
    main(sys.argv[1])
