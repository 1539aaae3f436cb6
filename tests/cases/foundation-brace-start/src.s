}abc = 1
}}d = 2
x = }abc
