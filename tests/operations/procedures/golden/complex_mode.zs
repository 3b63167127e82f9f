# Conjugate, the composite format and back, adjugate, determinant and trace
# in real and complex mode.
type "1 2\n3 4"
press SE Proc
answer ok
pick "Complex Conjugate"
answer ok
pick "Complex to Composite"
answer ok
pick "Composite to Complex"
pick "Adjugate"
show matrix
press CE
type "1 2\n3 4"
press SE Proc
answer no
pick "Determinant"
answer yes
pick "Determinant"
show
recall t
show matrix
press CE
type "1 2\n2 4"
press SE Proc
answer ok
pick "Adjugate"
answer no
pick "Determinant"
press CE
type "1 2 3\n4 5 6"
press SE Proc
answer ok
pick "Adjugate"
answer ok
pick "Determinant"
answer ok
pick "Trace"
press CE
type "1 2\n3 4"
press SE Proc
answer yes
pick "Trace"
# The same operations from the tests group.
press Test
answer no
pick "Determinant"
answer no
pick "Trace"
# Complex mode.
press Mode
pick "Complex"
press CE
type "(1,2) (3,-4)\n(0,1) (2,0)"
press SE Proc
pick "Complex Conjugate"
show matrix
pick "Complex to Composite"
show
answer ok
pick "Complex Conjugate"
press CE
type "1 2\n3 4"
press SE Proc
answer ok
pick "Composite to Complex"
press CE
type "1 -2\n2 1"
press SE Proc
pick "Composite to Complex"
show
answer ok
pick "Composite to Complex"
# Only Hermitian matrices have a determinant and an adjugate here.
press CE
type "(1,2) (3,-4)\n(0,1) (2,0)"
press SE Proc
answer ok
pick "Determinant"
answer ok
pick "Adjugate"
answer yes
pick "Trace"
press CE
type "(2,0) (0,-1)\n(0,1) (3,0)"
press SE Proc
answer yes
pick "Determinant"
pick "Adjugate"
show matrix
recall t
show matrix
press CE
type "(1,0) (2,0) (3,0)"
press SE Proc
answer ok
pick "Trace"
# Cuts and row operations work on complex columns; a real factor scales both parts.
press CE
type "(1,7) (2,8) (3,9)\n(4,10) (5,11) (6,12)"
press SE Proc
input "4"
pick "Get Column"
show matrix
input "1"
input "-2"
pick "Row:Scalar Mult"
show matrix
pick "Column:Sum"
show matrix
