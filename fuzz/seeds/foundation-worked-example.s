start: mov #10, r0 ; go
