# A 200 x 40 matrix: 56 rows a page, the columns in blocks that fit the
# width, each block's rows before the next block, every page with the frame
# and the heading.
paste-file matrix_200x40.txt
press SE
file-dialog "large.mtx"
menu 32838
print "large.pdf"
menu 32839
