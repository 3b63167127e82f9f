# Number formats, radixes and the real or complex mode.
type "1234.5 -0.125\n2 255.9"
press SE
menu 32787
show
menu 32774
show
# the width spin acts in the set state
spin width 1
show
menu 32771
show
press Displ
pick "Engineering"
show
pick "Hexidecimal"
show
# Default keeps the radix
menu 32771
show
pick "Octal"
menu 32774
show
pick "Decimal"
show
# Truncate changes the stored numbers
menu 32814
show matrix
# Complex mode reads a 2 x 2 matrix as one complex column; 2 x 3 is not redrawn
press Mode
pick "Complex"
show
press Mode
pick "Real"
press CE
type "1 2 3\n4 5 6"
press SE Mode
pick "Complex"
show
# The decimals spin does nothing while the text is being typed
press CE
type "(1.25, -2)"
spin decimals 3
show
press SE
spin decimals 3
show
