# Concatenations and the vector products: the row remembers the matrix, "="
# joins it with the current one.
type "1 2\n3 4"
press SE Proc
pick "Concat Horiz"
show
press =
show matrix
pick "Concat Vert"
type "9 8 7 6"
press SE =
show matrix
press CE
type "1 2\n3 4"
press SE Proc
pick "Concat Diag"
press CE
type "5"
press SE =
show matrix
press CE
type "1 2\n3 4"
press SE Proc
pick "Concat Horiz"
press CE
type "1 2 3\n4 5 6\n7 8 9"
press SE =
show
# Vector products.
press CE
type "1 2 3"
press SE Proc
pick "Vector:Dot Product"
show
press CE
type "4\n5\n6"
press SE =
show matrix
press CE
type "1 2 3"
press SE Proc
pick "Vector:Dot Product"
press CE
type "4 5"
press SE =
show
press CE
type "1 0 0"
press SE Proc
pick "Vector:Cross Product"
press CE
type "0 1 0"
press SE =
show matrix
# Complex mode joins and multiplies complex elements.
press Mode
pick "Complex"
press CE
type "(1,2)\n(3,4)"
press SE Proc
pick "Concat Horiz"
press CE
type "(5,6)\n(7,8)"
press SE =
show
pick "Concat Diag"
press =
show
press CE
type "(1,1) (0,2) (3,0)"
press SE Proc
pick "Vector:Dot Product"
press CE
type "(2,0) (1,1) (0,-1)"
press SE =
show
press CE
type "(1,1) (0,2) (3,0)"
press SE Proc
pick "Vector:Cross Product"
press CE
type "(2,0) (1,1) (0,-1)"
press SE =
show
