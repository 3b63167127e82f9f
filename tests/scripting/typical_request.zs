# The typical request: keypad entry, the inverse, a store, the evaluator
# computing B = A * A over the registers, and the recall of its result.
press 1 > 2 v 3 > 4
show
press SE
show
show matrix
press Inv
show matrix
store A
show
evaluator-input "B = A * A\nquit\ny\n"
press Parse
show
recall B
show
show matrix
