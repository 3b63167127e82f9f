# Element-wise procedures on the cases their users rely on.
type "2 -1 0.5"
press SE Proc
pick "Element:Exp10"
show matrix
press CE
type "1 0 2.718281828459045\n0.1 1 0"
press SE Proc
pick "Element:Log"
show matrix
show
press CE
type "2 4\n0 8"
press SE Proc
pick "Element:Reciprocal"
show matrix
show
press CE
type "2.7 -2.7\n0.5 -0.5\n3000000000.5 -1e300"
press SE Proc
pick "Element:Integer"
show matrix
show
pick "Element:To Degrees"
pick "Element:To Radians"
show matrix
# Complex mode: real and imaginary parts are transformed apart.
press Mode
pick "Complex"
press CE
type "(3,4)"
press SE Proc
pick "Element:Negative"
show
press CE
type "(-4,0)"
press SE Proc
pick "Element:Square Root"
show matrix
