# The MATRIX TESTS group on small matrices, real and complex.
# With no current matrix the Test button shows nothing and a test says nothing.
press Test
show
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
