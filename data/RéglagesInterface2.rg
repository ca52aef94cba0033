COM1	0	Kestrametrix
