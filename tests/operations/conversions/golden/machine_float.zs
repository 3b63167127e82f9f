# The machine's single-precision arithmetic.
type "1"
press SE Proc
pick "Machine Floating Point"
show matrix
