lab::
val == 12
lab2: lab3: x = lab
