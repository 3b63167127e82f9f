# Each factor of small matrices, and each refusal with its caption; a
# refused factorisation leaves the matrix as it was.
type "4 2\n2 3"
press SE Factor
pick "Factor:Cholesky"
show matrix
press CE
type "1 2\n2 1"
press SE Factor
answer ok
pick "Factor:Cholesky"
show
press CE
type "1 2\n3 4"
press SE Factor
answer ok
pick "Factor:Cholesky"
pick "Factor:LU->Lower"
show matrix
press CE
type "1 2\n3 4"
press SE Factor
pick "Factor:LU->Upper"
show matrix
press CE
type "1 2 3\n4 5 6"
press SE Factor
answer ok
pick "Factor:LU->Lower"
# A singular matrix: no factor is stored.
press CE
type "1 2\n2 4"
press SE Factor
answer ok
pick "Factor:LU->Upper"
show
# QR and SVD of a matrix with more rows than columns, then of one with fewer.
press CE
type "1 2\n3 4\n5 6"
press SE Factor
pick "Factor:QR->R"
show matrix
press CE
type "1 2\n3 4\n5 6"
press SE Factor
pick "Factor:QR->Q"
show matrix
press CE
type "1 2\n3 4\n5 6"
press SE Factor
pick "Factor:SVD->D"
show matrix
press CE
type "1 2\n3 4\n5 6"
press SE Factor
pick "Factor:SVD->U"
show matrix
press CE
type "1 2\n3 4\n5 6"
press SE Factor
pick "Factor:SVD->V"
show matrix
press CE
type "1 3 5\n2 4 6"
press SE Factor
answer ok
pick "Factor:QR->Q"
answer ok
pick "Factor:QR->R"
answer ok
pick "Factor:SVD->D"
answer ok
pick "Factor:SVD->U"
answer ok
pick "Factor:SVD->V"
show
press CE
type "2 1\n1 2"
press SE Factor
pick "Factor:Jacobi"
show matrix
press CE
type "1 2\n3 4"
press SE Factor
answer ok
pick "Factor:Jacobi"
