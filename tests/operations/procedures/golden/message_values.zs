# A value in a message never reads as zero when it is not: the determinant
# 0.001 is written in the exponent form, a true zero stays zero. A
# determinant beyond the double range is refused, not offered to register t.
type "0.1 0\n0 0.01"
press SE Proc
answer no
pick "Determinant"
answer no
pick "Trace"
press CE
type "1e-9 0\n0 0"
press SE Proc
answer no
pick "Trace"
answer no
pick "Determinant"
press CE
type "1e200 0\n0 -1e200"
press SE Proc
answer ok
pick "Determinant"
recall t
show matrix
