# Solve Ax = b under Fraction: x exactly, with the steps on [A | b];
# 3x + 2y + z = 1, 2x - y + 4z = 2, x + y + z = 4 has x = -29/8, 17/4, 27/8.
format fraction
type "3 2 1\n2 -1 4\n1 1 1"
press SE
store A
press CE
type "1\n2\n4"
press SE
store B
press Proc
solve gauss
pick "Solve Ax = b"
show
show matrix
show steps
show accuracy
# In floating point the notice place tells how far to trust the answer:
# the 1-norm condition, the digits it leaves and the relative residual.
format default
press Proc
solve lu
pick "Solve Ax = b"
show
show accuracy
# Inv and Div say the same; near the singularity threshold it is amber.
press CE
type "2 1\n4 3"
press SE Inv
show
press CE
type "1 1\n1 1.0000000000001"
press SE Inv
show
show accuracy
# Gauss elimination in floating point keeps its steps too, in the
# display's format.
press CE
type "0 2\n1 1"
press SE Proc
pick "Gauss Elimination"
show steps
# Determinant in floating point.
press CE
type "4 0\n0 2"
press SE Proc
answer no
pick "Determinant"
show
