# A small matrix under its document's name, in the fixed and then the
# exponential format with a wider field.
type "1 -22.5\n333 0.125"
press SE
file-dialog "small.mtx"
menu 32838
print "small.pdf"
menu 32839
spin width 10
spin decimals 4
print "small.pdf"
menu 32839
# After CE the caption names no document, nor does the printout.
press CE
type "1e3 -2"
press SE
print "small.pdf"
menu 32839
# Cancelled, and closed with OK but without a usable printer.
print-cancel
menu 32839
print ""
menu 32839
