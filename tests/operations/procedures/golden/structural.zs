# Structural procedures: mirroring, turning, reshaping, sorting, cutting
# parts out, row operations, elimination and balancing.
type "1 2\n3 4"
press SE Proc
pick "Rotate Left"
show matrix
pick "Rotate Right"
pick "Rotate Right"
show matrix
pick "Flip"
pick "Flop"
show matrix
# Reshape: an explanation, then the row count; a count that does not divide
# the element count changes nothing.
press CE
type "1 2 3\n4 5 6"
press SE Proc
answer ok
input "3"
pick "Reshape"
show matrix
answer ok
input "4"
answer ok
pick "Reshape"
show matrix
answer ok
input "abc"
answer ok
pick "Reshape"
answer ok
input-escape
pick "Reshape"
show matrix
answer ok
input "0"
answer ok
pick "Reshape"
answer ok
input "-3"
answer ok
pick "Reshape"
answer ok
input "24"
answer ok
pick "Reshape"
answer ok
input "99999999999"
answer ok
pick "Reshape"
show matrix
# Back to two rows: the elements read back row by row.
answer ok
input "2"
pick "Reshape"
show matrix
# Sorting.
press CE
type "3 1\n4 2"
press SE Proc
pick "Sort Descending"
show matrix
pick "Sort Ascending"
show matrix
press CE
type "3 1 2\n9 -8 7"
press SE Proc
pick "Row:Sort"
show matrix
# Get Row asks before it looks at the matrix.
answer ok
input "2"
pick "Get Row"
show
press CE
type "1 2 3\n4 5 6"
press SE Proc
answer ok
input "0"
answer ok
pick "Get Row"
answer ok
input "4"
answer ok
pick "Get Column"
answer ok
input "3"
pick "Get Column"
show matrix
# Get Submatrix: the order of the numbers is tested before the bounds.
press CE
type "1 2 3\n4 5 6\n7 8 9"
press SE Proc
answer ok
input "3"
input "2"
input "1"
input "1"
answer ok
pick "Get Submatrix"
answer ok
input "2"
input "3"
input "1"
input "4"
answer ok
pick "Get Submatrix"
answer ok
input "2"
input "3"
input "2"
input "3"
pick "Get Submatrix"
show matrix
press CE
type "1 2 3\n4 5 6"
press SE Proc
pick "Get Diagonal"
show matrix
press CE
type "1 2 3\n4 5 6"
press SE Proc
answer ok
pick "Row:Sum"
show matrix
press CE
type "1 2 3\n4 5 6"
press SE Proc
answer ok
pick "Column:Sum"
show matrix
# Row operations; every row number is checked.
press CE
type "1 2\n3 4"
press SE Proc
input "1"
input "2"
pick "Row:Add"
show matrix
input "1"
input "2"
pick "Row:Swap"
show matrix
input "0"
input "1"
answer ok
pick "Row:Swap"
input "3"
input "10"
answer ok
pick "Row:Scalar Mult"
input "2"
input "-0.5"
pick "Row:Scalar Mult"
show matrix
press CE
type "0 2 4\n1 1 1\n0 0 0"
press SE Proc
input "1"
pick "Row:Pivot"
show matrix
input "3"
pick "Row:Pivot"
input "-1"
answer ok
pick "Row:Pivot"
show matrix
input "4"
answer ok
pick "Row:Pivot"
input "-2147483648"
answer ok
pick "Row:Pivot"
input "1"
input "4"
answer ok
pick "Row:Add"
input "4"
input "2"
answer ok
pick "Row:Scalar Mult"
input "99999999999999"
input "2"
answer ok
pick "Row:Scalar Mult"
input ""
input "2"
answer ok
pick "Row:Scalar Mult"
input "1"
input-escape
pick "Row:Swap"
show matrix
# Gauss elimination gives the reduced row echelon form; balancing leaves a
# symmetric matrix alone.
press CE
type "1 2 3\n4 5 6\n7 8 9"
press SE Proc
pick "Gauss Elimination"
show matrix
press CE
type "2 1\n1 2"
press SE Proc
pick "Balance"
show matrix
press CE
type "1 100\n0.01 1"
press SE Proc
pick "Balance"
show matrix
# Complex mode: some rows refuse, the column-wise ones have their own branch.
press Mode
pick "Complex"
press CE
type "(1,4) (2,5) (3,6)"
press SE Proc
answer ok
input "1"
pick "Get Column"
show matrix
press CE
type "(1,1) (2,2)\n(3,3) (4,4)"
press SE Proc
answer ok
pick "Flip"
answer ok
pick "Gauss Elimination"
answer ok
pick "Row:Pivot"
pick "Flop"
show matrix
pick "Get Diagonal"
show matrix
press CE
type "(1,1) (2,2)\n(3,3) (4,-4)"
press SE Proc
answer ok
pick "Row:Sum"
show
press CE
type "(1,1) (2,2)\n(3,3) (4,-4)"
press SE Proc
answer ok
input "2"
input "2"
input "1"
input "2"
pick "Get Submatrix"
show matrix
