# Norms, the diagonal product and the display radix.
type "3 4"
press SE Proc
spin decimals 4
answer yes
pick "Matrix: Norm"
answer no
pick "Vector:Norm"
recall t
show matrix
press CE
type "1 2\n3 4"
press SE Proc
answer ok
pick "Vector:Norm"
press Test
answer no
pick "Matrix Norm"
press CE
type "2 9 9\n9 3 9"
press SE Proc
pick "Matrix: Diag Product"
show matrix
# Set Radix: a warning first, then the radix; out of range keeps the old one.
press CE
type "255.9 -1.5"
press SE Proc
answer no
pick "Set Radix"
answer yes
input "1"
answer ok
pick "Set Radix"
answer yes
input "257"
answer ok
pick "Set Radix"
answer yes
input-escape
pick "Set Radix"
show
answer yes
input "16"
pick "Set Radix"
show
show matrix
answer yes
input "2"
pick "Set Radix"
show
answer yes
input "256"
pick "Set Radix"
show
answer yes
input "-16"
answer ok
pick "Set Radix"
answer yes
input "x"
answer ok
pick "Set Radix"
answer yes
input "99999999999"
answer ok
pick "Set Radix"
show
press CE
answer yes
input "10"
pick "Set Radix"
show
# Complex mode.
press Mode
pick "Complex"
press CE
type "(3,4)"
press SE Proc
answer ok
pick "Matrix: Norm"
answer ok
pick "Vector:Norm"
press CE
type "(1,1) (5,5)\n(7,7) (0,2)"
press SE Proc
pick "Matrix: Diag Product"
show matrix
