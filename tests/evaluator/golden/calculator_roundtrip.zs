# The calculator stores A, zteval computes with it and saves, the
# calculator recalls what zteval wrote; a second run reads the numbers back.
press 1 > 2 v 3 > 4
press SE
store A
evaluator-input "B = A * A\nx = trace(A)\nquit\ny\n"
press Parse
recall B
show matrix
evaluator-input "x\nC = B - A * x\nex\nY\n"
press Parse
recall C
show matrix
recall A
show matrix
