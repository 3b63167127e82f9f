# Solve Ax = b from registers A and B; C gets x, D gets A x.
type "1 0\n0 1"
press SE
store A
press CE
type "3\n4"
press SE
store B
press Proc
solve gauss
pick "Solve Ax = b"
show
recall C
show matrix
recall D
show matrix
# Three right-hand sides, by LU.
press CE
type "2 1\n1 3"
press SE
store A
press CE
type "1 0 3\n2 5 4"
press SE
store B
press Proc
solve lu
pick "Solve Ax = b"
show matrix
recall D
show matrix
# Cancel, and OK with no method chosen, solve nothing.
press Proc
solve-cancel
pick "Solve Ax = b"
solve none
pick "Solve Ax = b"
show matrix
# A that is not square stops after A has been recalled.
press CE
type "1 2\n3 4\n5 6"
press SE
store A
press Proc
solve gauss
pick "Solve Ax = b"
show matrix
# Rows of A and b that differ.
press CE
type "1 2 3\n4 5 6\n7 8 10"
press SE
store A
press CE
type "1\n2"
press SE
store B
press Proc
solve lu
pick "Solve Ax = b"
# A singular A changes neither C nor D.
press CE
type "0.1 0.2 0.3\n0.4 0.5 0.6\n0.1 0.2 0.3"
press SE
store A
press CE
type "1\n2\n3"
press SE
store B
press Proc
solve gauss
pick "Solve Ax = b"
recall C
show matrix
recall D
show matrix
press Proc
solve lu
pick "Solve Ax = b"
recall C
show matrix
recall D
show matrix
# Empty registers A and B.
press CE
store A
type "5"
press SE Proc
solve gauss
pick "Solve Ax = b"
press CE
type "5"
press SE
store A
press CE
store B
type "5"
press SE Proc
solve lu
pick "Solve Ax = b"
