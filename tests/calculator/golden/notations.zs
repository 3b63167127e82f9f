# Texts in other tools' notations, pasted (Edit > Paste) and set with SE; the
# notice names the notation. An exponent in the text keeps the display in
# exponent notation.
clipboard "[1 2.5; -3 -4.5e-3]"
press CE
menu 32831
press SE
show
show matrix
clipboard "np.array([[1.5, -2], [3e-2, 4]], dtype=float64)"
press CE
menu 32831
press SE
show matrix
clipboard "\\begin{bmatrix}\n\\frac{1}{2} & -1 \\\\\n2.5 \\cdot 10^{-3} & 4\n\\end{bmatrix}"
press CE
menu 32831
press SE
show matrix
clipboard "{{1, 2*^-3}, {-3, 4}}"
press CE
menu 32831
press SE
show matrix
# CSV with quotes and a header row of words
clipboard "\"a\",\"b\"\n1,\"-2\"\n3.5,4\n"
press CE
menu 32831
press SE
show matrix
clipboard "| a | b |\n|---|:---:|\n| 1 | 2 |\n| 3 | -4 |"
press CE
menu 32831
press SE
show matrix
# The calculator's own text export reads back.
clipboard "1., -2.5, \r\n3.141593, 1.e+020, \r\n\r\n"
press CE
menu 32831
press SE
show
show matrix
# Ragged rows: a syntax error with the offending character selected (a
# backspace takes it away).
clipboard "[1 2; 3]"
press CE
menu 32831
press SE
type "\x08"
show
show matrix
# A text no notation claims keeps its old error.
clipboard "1 2 x"
press CE
menu 32831
press SE
# A complex element in real mode is a fault at its imaginary part.
clipboard "[1+2i 3]"
press CE
menu 32831
press SE
type "\x08"
show
# Complex elements in complex mode, in every notation's form
press Mode
pick "Complex"
clipboard "[1+2i 3-4j; -1.5e-1i 2]"
press CE
menu 32831
press SE
show
show matrix
clipboard "np.array([[1+2j, complex(0, -1)], [(3-1e-2j), 4]])"
press CE
menu 32831
press SE
show matrix
clipboard "{{1 + 2*I, 2 I}, {Complex[3, -4], 5*^-1}}"
press CE
menu 32831
press SE
show matrix
clipboard "\\begin{pmatrix} 1+2i & -i \\\\ 3 & 4 \\end{pmatrix}"
press CE
menu 32831
press SE
show matrix
