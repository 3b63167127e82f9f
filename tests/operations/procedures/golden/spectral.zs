# Eigenvalues, eigenvectors, similarity forms, the characteristic
# polynomial and the matrix series, with their refusals.
type "0 -1\n1 0"
press SE Proc
pick "Eigenvalues"
show matrix
press CE
type "2 0\n0 3"
press SE Test
pick "Eigenvalues"
show matrix
press CE
type "1 2 3\n4 5 6"
press SE Proc
answer ok
pick "Eigenvalues"
answer ok
pick "Hessenberg Form"
answer ok
pick "Characteristic"
show
# A 4 x 4 integer matrix with A^4 = 0: every eigenvalue is 0 to about
# eps^(1/4) times its norm, and the polynomial is x^4.
press CE
type "-47 20 -5 2\n-68 29 -7 3\n106 -45 12 -4\n-137 58 -15 6"
press SE Proc
pick "Eigenvalues"
show
press CE
type "-47 20 -5 2\n-68 29 -7 3\n106 -45 12 -4\n-137 58 -15 6"
press SE Test
pick "Characteristic"
show
press CE
type "1 2\n3 4"
press SE Proc
pick "Characteristic"
show matrix
# Eigenvectors show the vectors and leave the eigenvalues in t.
press CE
type "2 1\n1 2"
press SE Proc
pick "Eigenvectors1"
show matrix
recall t
show matrix
press CE
type "2 1\n1 2"
press SE Proc
pick "Eigenvectors2"
show matrix
recall t
show matrix
press CE
type "1 2\n3 4"
press SE Proc
answer ok
pick "Eigenvectors1"
answer ok
pick "Eigenvectors2"
answer ok
pick "TriDiagonal Form"
answer ok
pick "Diagonalize"
show
press CE
type "2 1\n1 2"
press SE Proc
pick "Diagonalize"
show
press CE
type "4 1 2\n1 3 0\n2 0 5"
press SE Proc
pick "TriDiagonal Form"
show
press CE
type "4 1 2\n1 3 0\n2 6 5"
press SE Proc
pick "Hessenberg Form"
show matrix
press CE
type "0"
press SE Proc
answer ok
pick "Matrix: exp(M)"
show matrix
press CE
type "0 1\n-1 0"
press SE Proc
answer ok
pick "Matrix: sin(M)"
show
press CE
type "0 1\n-1 0"
press SE Proc
answer ok
pick "Matrix: cos(M)"
show
# Complex mode: a Hermitian matrix is diagonalised by a unitary matrix and
# t receives the eigenvalues of its composite form (each twice).
press Mode
pick "Complex"
press CE
type "(2,0) (1,-1)\n(1,1) (3,0)"
press SE Proc
pick "Diagonalize"
show
recall t
show matrix
press CE
type "(2,0) (1,1)\n(1,1) (3,0)"
press SE Proc
answer ok
pick "Diagonalize"
answer ok
pick "Characteristic"
answer ok
pick "Matrix: exp(M)"
show
