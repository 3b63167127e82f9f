# The MATRIX TESTS group on small matrices, real and complex.
# With no current matrix the Test button shows nothing and a test says nothing.
press Test
show
pick "Orthogonal"
pick "Positive Definite"
pick "Rank"
pick "Singular"
pick "Size"
pick "Skew-Symmetric"
pick "Square"
pick "Stochastic"
pick "Double Stochastic"
pick "Symmetric"
pick "Condition Number"
pick "Hermitian"
pick "Unitary"
type "1 0\n0 1"
press SE Test
pick "Orthogonal"
pick "Symmetric"
pick "Rank"
pick "Size"
pick "Square"
pick "Singular"
pick "Positive Definite"
pick "Skew-Symmetric"
pick "Stochastic"
pick "Double Stochastic"
pick "Condition Number"
pick "Hermitian"
pick "Unitary"
show
press CE
type "1 2 3\n2 4 6"
press SE Test
pick "Orthogonal"
pick "Symmetric"
pick "Rank"
pick "Size"
pick "Square"
pick "Singular"
pick "Positive Definite"
pick "Condition Number"
press CE
type "1 2\n2 4"
press SE Test
pick "Condition Number"
pick "Singular"
press CE
type "1234.5678 0\n0 -1"
press SE Test
pick "Condition Number"
press CE
type "0 2.5\n-2.5 0"
press SE Test
pick "Skew-Symmetric"
pick "Positive Definite"
pick "Stochastic"
press CE
type "0.5 0.5\n0.25 0.75"
press SE Test
pick "Stochastic"
pick "Double Stochastic"
# Each test just across its criterion; the matrix and display stay as they were.
press CE
type "0.6 0.8\n-0.8 0.6"
press SE Test
pick "Orthogonal"
press CE
type "1 1\n0 1"
press SE Test
pick "Orthogonal"
press CE
type "1 0\n0 1\n0 0"
press SE Test
pick "Orthogonal"
press CE
type "1 2\n2 1"
press SE Test
pick "Positive Definite"
press CE
type "1 1\n1 1"
press SE Test
pick "Positive Definite"
press CE
type "0.5 0.6\n0.25 0.75"
press SE Test
pick "Stochastic"
press CE
type "1.5 -0.5\n0.5 0.5"
press SE Test
pick "Stochastic"
press CE
type "0.25 0.75\n0.75 0.25"
press SE Test
pick "Double Stochastic"
press CE
type "1 2\n3 1"
press SE Test
pick "Symmetric"
show
show matrix
# A NaN makes a matrix singular; with an infinity there is no condition number.
press CE
type "10 1\n1 -1"
press SE Proc
pick "Element:Log10"
show matrix
press Test
pick "Singular"
press CE
type "10 1\n1 0"
press SE Proc
pick "Element:Log10"
show matrix
press Test
pick "Condition Number"
show matrix
# Compare: only a single letter names a register.
press CE
type "1 2\n3 4"
press SE
store A
press CE
type "1 2 3\n4 5 6"
press SE
store B
press Test
input "a"
input " A "
pick "Compare"
show
input "A"
input "b"
pick "Compare"
show
input "../RegA"
pick "Compare"
# A register file planted at "Reg.." is never reached by an answer.
input ".."
pick "Compare"
input "A/"
pick "Compare"
input "AA"
pick "Compare"
input ""
pick "Compare"
input "tmp"
pick "Compare"
input "A"
input ".."
pick "Compare"
input "A"
input "../RegA"
pick "Compare"
input "A"
input "A/"
pick "Compare"
input "A"
input "AA"
pick "Compare"
input "A"
input ""
pick "Compare"
input "A"
input "tmp"
pick "Compare"
input "A"
input "Q"
pick "Compare"
show
input "A"
input-escape
pick "Compare"
show
# The same from the PROCEDURES group.
press Proc
input "b"
input "B"
pick "Compare"
show
# Elements must agree exactly: one unit in the last place differs, a NaN
# equals a NaN. The second register is the current matrix afterwards.
press CE
type "1 2\n3 4.000000000000001"
press SE
store C
press CE
type "-1 10"
press SE Proc
pick "Element:Log10"
store N
press CE
type "5 1"
press SE
store M
press Test
input "A"
input "C"
pick "Compare"
input "N"
input "N"
pick "Compare"
input "N"
input "M"
pick "Compare"
show matrix
# A missing first register, or one holding no matrix, is never compared.
input "Q"
pick "Compare"
press CE
store E
type "1"
press SE Test
input "E"
pick "Compare"
# Complex mode.
press Mode
pick "Complex"
press CE
type "(2,0) (1,1)\n(1,-1) (3,0)"
press SE Test
pick "Hermitian"
pick "Symmetric"
pick "Size"
pick "Square"
pick "Rank"
pick "Positive Definite"
pick "Unitary"
pick "Condition Number"
press CE
type "(0.7071067811865476,0) (0,0.7071067811865476)\n(0,0.7071067811865476) (0.7071067811865476,0)"
press SE Test
pick "Unitary"
pick "Hermitian"
pick "Singular"
pick "Condition Number"
press CE
type "(1,0) (1,0)\n(1,0) (1,0)"
press SE Test
pick "Unitary"
pick "Singular"
show
# Complex answers come from the composite.
press CE
type "(1,0) (0,1)\n(0,1) (-1,0)"
press SE Test
pick "Singular"
pick "Rank"
press CE
type "(1,0) (0,1)\n(0,-1) (1,0)"
press SE Test
pick "Singular"
press CE
type "(1,0) (0,1)\n(0,1) (1,0)"
press SE Test
pick "Singular"
press CE
type "(2,0) (1,1)\n(1,1) (3,0)"
press SE Test
pick "Symmetric"
press CE
type "(2,0.5) (1,1)\n(1,-1) (3,0)"
press SE Test
pick "Hermitian"
press CE
type "(2,0) (0,0)\n(0,0) (1,0)"
press SE Test
pick "Unitary"
show
show matrix
