# Save to Text File: comma-separated, 7 significant digits, an empty line last.
type "1 -2.5 3.14159265\n1e20 0.000123456789 -0"
press SE Proc
answer ok
input "out.txt"
pick "Save to Text File"
# An empty path and one that cannot be created are reported; the calculator goes on.
answer ok
input ""
pick "Save to Text File"
answer ok
input "no-such-folder/out.txt"
pick "Save to Text File"
answer ok
input-escape
pick "Save to Text File"
show matrix
press CE
paste-file out.txt
show
