# The CREATE MATRIX group.
# With no current matrix a creation asks for its sizes straight away.
press Create
show
input "2"
input "3"
pick "Create Hilbert"
show
show matrix
# Replacing the current matrix is asked first; No changes nothing.
answer no
pick "Create Identity"
show
answer yes
input "3"
input "2"
pick "Create Identity"
show matrix
# Sizes below 1, text that is no number and sizes past the allocation limit
# are out of range; the current matrix stays.
answer yes
input "abc"
input "2"
pick "Create Null"
answer yes
input "2"
input "-4"
pick "Create Unit"
answer yes
input "100000"
input "100000"
pick "Create Unit"
answer yes
input "2147483647"
input "99999999999"
pick "Create Null"
show matrix
answer yes
input "2"
input "2"
pick "Create Unit"
show matrix
answer yes
input "2"
input "2"
pick "Create Null"
show matrix
answer yes
input "2"
input "3"
pick "Create Prime"
show matrix
# Equal bounds make every element that value.
answer yes
input "2"
input "2"
input "-1.5"
input "-1.5"
pick "Create Random"
show matrix
# Escape at a prompt ends the creation; the current matrix stays.
answer yes
input "2"
input "2"
input-escape
pick "Create Random"
show matrix
# Angles from -360 to 360 degrees.
answer yes
input "360"
pick "Create Reflection"
show matrix
answer yes
input "360.5"
pick "Create Reflection"
answer yes
input "-361"
pick "Create Rotation"
answer yes
input "nan"
pick "Create Rotation"
answer yes
input "90"
pick "Create Rotation"
show matrix
answer yes
input "4"
pick "Create Orthogonal"
press Test
pick "Orthogonal"
pick "Size"
# Toeplitz and Vandermonde need a base vector.
press CE Create
pick "Create Toeplitz"
type "1\n2\n3"
press SE Create
pick "Create Toeplitz"
show matrix
pick "Create Vandermonde"
press CE
type "2 3"
press SE Create
pick "Create Vandermonde"
show matrix
press CE
type "1 2 3"
press SE Create
pick "Create Toeplitz"
show matrix
# The companion matrix of x^2 - 3x + 2, without a question.
press CE
type "1 -3 2"
press SE Create
pick "Create Companion"
show
show matrix
press CE Create
pick "Create Companion"
show
# Hermitian and unitary matrices switch to complex mode, after asking.
answer no
pick "Create Hermitian"
show
answer yes
input "0"
pick "Create Hermitian"
show
input "3"
input "-1"
input "1"
pick "Create Hermitian"
press Test
pick "Hermitian"
pick "Size"
press Create
answer yes
input "3"
input "-1"
input "1"
pick "Create Unitary"
press Test
pick "Unitary"
pick "Size"
# Escape at the size keeps what the earlier steps did: complex mode and the matrix.
press Mode
pick "Real"
press CE
type "5 6"
press SE Create
answer yes
answer yes
input-escape
pick "Create Hermitian"
show
show matrix
# Sizes past the allocation limit, however they multiply, and angles out of
# range are refused and change nothing.
press Mode
pick "Real"
press CE
type "1 2\n3 4"
press SE Create
answer yes
input "65536"
input "65536"
pick "Create Unit"
answer yes
input "2147483647"
input "3"
pick "Create Unit"
answer yes
input "100000"
pick "Create Orthogonal"
answer yes
input "-1e300"
pick "Create Rotation"
answer yes
input "inf"
pick "Create Rotation"
answer yes
answer yes
input "40000"
pick "Create Hermitian"
show
show matrix
# A base vector whose square would not fit.
press Mode
pick "Real"
press Create
answer yes
input "1"
input "50000"
pick "Create Unit"
pick "Create Toeplitz"
pick "Create Vandermonde"
pick "Create Companion"
press Test
pick "Size"
# A wide current matrix is no reason to refuse an orthogonal one: it is square.
press CE
type "1 2 3"
press SE Create
answer yes
input "3"
pick "Create Orthogonal"
press Test
pick "Orthogonal"
pick "Size"
