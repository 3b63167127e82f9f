# The menu bar's Help and Exit commands reach the host; File's document and
# print commands and the constants run nothing yet.
menu 32840
menu 32841
menu 32835
menu 32802
show
menu 57665
