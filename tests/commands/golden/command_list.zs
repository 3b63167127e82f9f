# The command list: groups, titles, refills and the focus after a pick.
show
# Test and Proc need a current matrix; without one the list stays.
press Proc
show
type "4 1\n1 3"
press SE Factor
pick "Factor:Cholesky"
show
press Test
pick "Rank"
show
# Registers: store into A and t, recall A after clearing.
store A
store t
press CE
recall A
show matrix
show
# The multiply-mode group shows the mode in force and switches it.
press Mul
show
pick "Kronecker"
show
press Proc
pick "Set Multiply:Schurr"
show
press Mul
show
# SET DISPLAY and SET MODE.
press Displ
pick "Octal"
show
pick "Decimal"
show
press Mode
pick "Complex"
show
pick "Real"
show
