# Command-list dispatch and refill rules.
show
# Test, Proc and Factor need a current matrix
press Proc
show
press Create
show
press Store
show
type "2.7 -2.7\n0.5 -0.5"
press SE Proc
pick "Element:Integer"
show
show matrix
press Factor
answer ok
pick "Factor:Cholesky"
show
press Test
pick "Rank"
show
input-escape
pick "Compare"
show
press Displ
pick "Disable Keyboard"
type "9"
show
pick "Enable Keyboard"
show
press Proc
pick "Element:Reciprocal"
show
press Mode
show
pick "Complex"
show
