# Edit > Copy As in every notation. Under Format > Default the numbers have
# the digits that read back exactly.
type "1 -2.5 0.1\n1e20 3 -0.000125"
press SE
copy-as latex
copy-as numpy
copy-as matlab
copy-as matlab-line
copy-as mathematica
copy-as csv
copy-as markdown
# Under Fixed Point 3 and Exponential 2 as the display shows them
menu 32786
copy-as matlab-line
copy-as latex
menu 32773
copy-as mathematica
copy-as latex
# Truncate 1 truncates the matrix itself; the Default format then copies
# what is left.
menu 32771
menu 32813
copy-as numpy
# The menu item of the display's Edit popup
menu 33026
# Typed text is set first.
select 0 999
type "\x08"
type "7 8"
copy-as csv
show
# Complex elements as each tool writes them
press Mode
pick "Complex"
press CE
type "(1, 2) (3, -4)\n(0, 1) (-1.5, 0)"
press SE
copy-as numpy
copy-as mathematica
copy-as matlab-line
copy-as latex
