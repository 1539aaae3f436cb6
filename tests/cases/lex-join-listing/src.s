}abc = 1
a}b = 3
}}d = 4
