# Without a matrix or a document name: the frame and an empty heading.
print "empty.pdf"
menu 32839
