"""The numpy side of bench/ratios/run: the same work on the data that the
Zentabl side wrote into the folder given, one line per figure,
"name<TAB>median seconds"."""

import statistics
import sys
import time

import numpy

# Every figure: the median of RUNS timings after one untimed run; the texts
# timed in turns and the load's runs spread by a pause, as zentabl_side.cpp
# times its side.
RUNS = 9
SHORT_FIGURE_PAUSE = 0.030
SHORT_FIGURE_GROUPS = ((("settext_1000", "settext_2000"), 0), (("load_1000",), SHORT_FIGURE_PAUSE))


def seconds(work):
    start = time.perf_counter()
    work()
    return time.perf_counter() - start


def median(work):
    return warm_medians_in_turns([work], 0)[0]


def warm_medians_in_turns(works, pause):
    for work in works:
        work()
    times = [[] for _ in works]
    for _ in range(RUNS):
        for figure_times, work in zip(times, works):
            figure_times.append(seconds(work))
        time.sleep(pause)
    return [statistics.median(figure_times) for figure_times in times]


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
    short = [name for group, _ in SHORT_FIGURE_GROUPS for name in group]
    for name, work in figures.items():
        if name not in short:
            print(f"{name}\t{median(work):.6f}", flush=True)
    for group, pause in SHORT_FIGURE_GROUPS:
        medians = warm_medians_in_turns([figures[name] for name in group], pause)
        for name, value in zip(group, medians):
            print(f"{name}\t{value:.6f}", flush=True)


if __name__ == "__main__":
    main(sys.argv[1])
