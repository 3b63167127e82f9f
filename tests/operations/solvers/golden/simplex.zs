# Maximise z = x1 + x2 with x1 <= 2 and x2 <= 3.
type "0 1 1\n2 -1 0\n3 0 -1"
press SE Proc
input "2"
input "0"
input "0"
answer yes
pick "Simplex"
show matrix
recall t
show matrix
# A production plan; No keeps t, the final tableau is shown all the same.
press CE
type "0 3 5\n4 -1 0\n12 0 -2\n18 -3 -2"
press SE Proc
input "3"
input "0"
input "0"
answer no
pick "Simplex"
show matrix
recall t
show matrix
# Mixed kinds: one <=, one >=, one =.
press CE
type "0 1 1\n10 -1 -1\n2 -1 0\n6 -1 -2"
press SE Proc
input "1"
input "1"
input "1"
answer no
pick "Simplex"
show matrix
# Counts that do not add up, and a negative count.
input "1"
input "1"
input "2"
pick "Simplex"
input "-1"
input "4"
input "0"
pick "Simplex"
# Unbounded and infeasible problems leave the tableau.
press CE
type "0 1 1\n1 -1 1"
press SE Proc
input "1"
input "0"
input "0"
pick "Simplex"
press CE
type "0 1 1\n1 -1 -1\n2 -1 -1"
press SE Proc
input "1"
input "1"
input "0"
pick "Simplex"
show matrix
# Escape at the second question ends the procedure.
input "1"
input-escape
pick "Simplex"
show matrix
# A negative right-hand side is announced once per such row, after the
# counts, and the problem is solved as stated: x1 <= -1 has no solution;
# max x1 + x2 with x1 + x2 <= 4, -x1 <= -1 and -x2 = -3 is 4 at (1, 3).
press CE
type "0 1\n-1 -1"
press SE Proc
input "1"
input "0"
input "0"
pick "Simplex"
press CE
type "0 1 1\n4 -1 -1\n-1 1 0\n-3 0 1"
press SE Proc
input "2"
input "0"
input "1"
answer ok
answer ok
answer no
pick "Simplex"
show matrix
# Tableaus without a variable or a constraint.
press CE
type "0\n1"
press SE Proc
pick "Simplex"
press CE
type "0 1 1"
press SE Proc
pick "Simplex"
show matrix
