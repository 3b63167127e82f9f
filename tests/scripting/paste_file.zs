# Pasting a file's text into the empty display, then setting it.
paste-file three_by_three.txt
show
press SE Inv
show matrix
