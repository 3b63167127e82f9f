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
# Each Element row on known values; outside its domain an element becomes
# NaN or infinite and the rest of the row goes on.
press CE
type "0.5"
press SE Proc
pick "Element:Sin"
show matrix
press CE
type "0.5"
press SE Proc
pick "Element:Cos"
show matrix
press CE
type "0.5"
press SE Proc
pick "Element:Tan"
show matrix
press CE
type "2 -1 0.5"
press SE Proc
pick "Element:Arcsin"
show matrix
press CE
type "0.5"
press SE Proc
pick "Element:Arccos"
show matrix
press CE
type "1"
press SE Proc
pick "Element:Arctan"
show matrix
press CE
type "2 1000 0"
press SE Proc
pick "Element:Exp"
show matrix
press CE
type "1000 100 0 -1 5"
press SE Proc
pick "Element:Log10"
show matrix
press CE
type "-1.5"
press SE Proc
pick "Element:Absolute"
show matrix
press CE
type "2.75"
press SE Proc
pick "Integer"
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
