# An "=" that cannot finish shows why, clears every pending operation and
# keeps the second operand on show, set: the second "=" does nothing.
press CE
type "1 2\n3 4"
press SE Add CE
type "1 2 3"
press SE = =
show
press CE
type "1 2"
press SE Sub CE
type "1\n2"
press SE = =
show
press CE
type "1 2"
press SE Mul CE
type "1 2"
press SE = =
show
press Proc
pick "Set Multiply:Scalar"
press CE
type "1 2"
press SE Mul CE
type "1 2"
press SE = =
show
press Proc
pick "Set Multiply:Schurr"
press CE
type "1 2"
press SE Mul CE
type "1 2 3"
press SE = =
show
press Proc
pick "Set Multiply:Matrix"
press CE
type "1 2"
press SE Div CE
type "1 2 3\n4 5 6"
press SE = =
show
press CE
type "1 2"
press SE Div CE
type "1 2\n2 4"
press SE = =
show
press CE
type "1 2"
press SE Proc
pick "Concat Horiz"
press CE
type "1\n2"
press SE = =
show
press CE
type "1 2"
press SE Proc
pick "Concat Vert"
press CE
type "1 2 3"
press SE = =
show
press CE
type "1 2"
press SE Proc
pick "Vector:Dot Product"
press CE
type "1 2\n3 4"
press SE = =
show
press CE
type "1 2 3"
press SE Proc
pick "Vector:Cross Product"
press CE
type "1 2"
press SE = =
show
press CE
type "1 2"
press SE Proc
pick "Vector:Cross Product"
press CE
type "3 4"
press SE = =
show
show matrix
