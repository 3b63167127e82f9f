# Constants are appended to the text being typed, in exponential form.
press Const
menu 32802
show
press Const
menu 32802
show
press CE
type "1 "
press Const
menu 32807
press SE
show matrix
show
# After an operator the constant starts the second operand.
press CE
type "2"
press SE Mul
press Const
menu 32803
show
press SE =
show matrix
