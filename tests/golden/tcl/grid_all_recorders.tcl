wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "restraint"
node 1 0.000E+000 0.000E+000 0.000E+000
node 2 4.000E+003 0.000E+000 0.000E+000
node 3 8.000E+003 0.000E+000 0.000E+000
node 4 1.200E+004 0.000E+000 0.000E+000
node 5 1.600E+004 0.000E+000 0.000E+000
node 6 2.000E+004 0.000E+000 0.000E+000
node 7 2.400E+004 0.000E+000 0.000E+000
node 8 2.800E+004 0.000E+000 0.000E+000
node 9 0.000E+000 4.000E+003 0.000E+000
node 10 4.000E+003 4.000E+003 0.000E+000
node 11 8.000E+003 4.000E+003 0.000E+000
node 12 1.200E+004 4.000E+003 0.000E+000
node 13 1.600E+004 4.000E+003 0.000E+000
node 14 2.000E+004 4.000E+003 0.000E+000
node 15 2.400E+004 4.000E+003 0.000E+000
node 16 2.800E+004 4.000E+003 0.000E+000
node 17 0.000E+000 8.000E+003 0.000E+000
node 18 4.000E+003 8.000E+003 0.000E+000
node 19 8.000E+003 8.000E+003 0.000E+000
node 20 1.200E+004 8.000E+003 0.000E+000
node 21 1.600E+004 8.000E+003 0.000E+000
node 22 2.000E+004 8.000E+003 0.000E+000
node 23 2.400E+004 8.000E+003 0.000E+000
node 24 2.800E+004 8.000E+003 0.000E+000
node 25 0.000E+000 1.200E+004 0.000E+000
node 26 4.000E+003 1.200E+004 0.000E+000
node 27 8.000E+003 1.200E+004 0.000E+000
node 28 1.200E+004 1.200E+004 0.000E+000
node 29 1.600E+004 1.200E+004 0.000E+000
node 30 2.000E+004 1.200E+004 0.000E+000
node 31 2.400E+004 1.200E+004 0.000E+000
node 32 2.800E+004 1.200E+004 0.000E+000
node 33 0.000E+000 1.600E+004 0.000E+000
node 34 4.000E+003 1.600E+004 0.000E+000
node 35 8.000E+003 1.600E+004 0.000E+000
node 36 1.200E+004 1.600E+004 0.000E+000
node 37 1.600E+004 1.600E+004 0.000E+000
node 38 2.000E+004 1.600E+004 0.000E+000
node 39 2.400E+004 1.600E+004 0.000E+000
node 40 2.800E+004 1.600E+004 0.000E+000
node 41 0.000E+000 2.000E+004 0.000E+000
node 42 4.000E+003 2.000E+004 0.000E+000
node 43 8.000E+003 2.000E+004 0.000E+000
node 44 1.200E+004 2.000E+004 0.000E+000
node 45 1.600E+004 2.000E+004 0.000E+000
node 46 2.000E+004 2.000E+004 0.000E+000
node 47 2.400E+004 2.000E+004 0.000E+000
node 48 2.800E+004 2.000E+004 0.000E+000
node 49 0.000E+000 2.400E+004 0.000E+000
node 50 4.000E+003 2.400E+004 0.000E+000
node 51 8.000E+003 2.400E+004 0.000E+000
node 52 1.200E+004 2.400E+004 0.000E+000
node 53 1.600E+004 2.400E+004 0.000E+000
node 54 2.000E+004 2.400E+004 0.000E+000
node 55 2.400E+004 2.400E+004 0.000E+000
node 56 2.800E+004 2.400E+004 0.000E+000
node 57 0.000E+000 2.800E+004 0.000E+000
node 58 4.000E+003 2.800E+004 0.000E+000
node 59 8.000E+003 2.800E+004 0.000E+000
node 60 1.200E+004 2.800E+004 0.000E+000
node 61 1.600E+004 2.800E+004 0.000E+000
node 62 2.000E+004 2.800E+004 0.000E+000
node 63 2.400E+004 2.800E+004 0.000E+000
node 64 2.800E+004 2.800E+004 0.000E+000
node 65 0.000E+000 0.000E+000 3.500E+003
node 66 4.000E+003 0.000E+000 3.500E+003
node 67 8.000E+003 0.000E+000 3.500E+003
node 68 1.200E+004 0.000E+000 3.500E+003
node 69 1.600E+004 0.000E+000 3.500E+003
node 70 2.000E+004 0.000E+000 3.500E+003
node 71 2.400E+004 0.000E+000 3.500E+003
node 72 2.800E+004 0.000E+000 3.500E+003
node 73 0.000E+000 4.000E+003 3.500E+003
node 74 4.000E+003 4.000E+003 3.500E+003
node 75 8.000E+003 4.000E+003 3.500E+003
node 76 1.200E+004 4.000E+003 3.500E+003
node 77 1.600E+004 4.000E+003 3.500E+003
node 78 2.000E+004 4.000E+003 3.500E+003
node 79 2.400E+004 4.000E+003 3.500E+003
node 80 2.800E+004 4.000E+003 3.500E+003
node 81 0.000E+000 8.000E+003 3.500E+003
node 82 4.000E+003 8.000E+003 3.500E+003
node 83 8.000E+003 8.000E+003 3.500E+003
node 84 1.200E+004 8.000E+003 3.500E+003
node 85 1.600E+004 8.000E+003 3.500E+003
node 86 2.000E+004 8.000E+003 3.500E+003
node 87 2.400E+004 8.000E+003 3.500E+003
node 88 2.800E+004 8.000E+003 3.500E+003
node 89 0.000E+000 1.200E+004 3.500E+003
node 90 4.000E+003 1.200E+004 3.500E+003
node 91 8.000E+003 1.200E+004 3.500E+003
node 92 1.200E+004 1.200E+004 3.500E+003
node 93 1.600E+004 1.200E+004 3.500E+003
node 94 2.000E+004 1.200E+004 3.500E+003
node 95 2.400E+004 1.200E+004 3.500E+003
node 96 2.800E+004 1.200E+004 3.500E+003
node 97 0.000E+000 1.600E+004 3.500E+003
node 98 4.000E+003 1.600E+004 3.500E+003
node 99 8.000E+003 1.600E+004 3.500E+003
node 100 1.200E+004 1.600E+004 3.500E+003
node 101 1.600E+004 1.600E+004 3.500E+003
node 102 2.000E+004 1.600E+004 3.500E+003
node 103 2.400E+004 1.600E+004 3.500E+003
node 104 2.800E+004 1.600E+004 3.500E+003
node 105 0.000E+000 2.000E+004 3.500E+003
node 106 4.000E+003 2.000E+004 3.500E+003
node 107 8.000E+003 2.000E+004 3.500E+003
node 108 1.200E+004 2.000E+004 3.500E+003
node 109 1.600E+004 2.000E+004 3.500E+003
node 110 2.000E+004 2.000E+004 3.500E+003
node 111 2.400E+004 2.000E+004 3.500E+003
node 112 2.800E+004 2.000E+004 3.500E+003
node 113 0.000E+000 2.400E+004 3.500E+003
node 114 4.000E+003 2.400E+004 3.500E+003
node 115 8.000E+003 2.400E+004 3.500E+003
node 116 1.200E+004 2.400E+004 3.500E+003
node 117 1.600E+004 2.400E+004 3.500E+003
node 118 2.000E+004 2.400E+004 3.500E+003
node 119 2.400E+004 2.400E+004 3.500E+003
node 120 2.800E+004 2.400E+004 3.500E+003
node 121 0.000E+000 2.800E+004 3.500E+003
node 122 4.000E+003 2.800E+004 3.500E+003
node 123 8.000E+003 2.800E+004 3.500E+003
node 124 1.200E+004 2.800E+004 3.500E+003
node 125 1.600E+004 2.800E+004 3.500E+003
node 126 2.000E+004 2.800E+004 3.500E+003
node 127 2.400E+004 2.800E+004 3.500E+003
node 128 2.800E+004 2.800E+004 3.500E+003
node 129 0.000E+000 0.000E+000 7.000E+003
node 130 4.000E+003 0.000E+000 7.000E+003
node 131 8.000E+003 0.000E+000 7.000E+003
node 132 1.200E+004 0.000E+000 7.000E+003
node 133 1.600E+004 0.000E+000 7.000E+003
node 134 2.000E+004 0.000E+000 7.000E+003
node 135 2.400E+004 0.000E+000 7.000E+003
node 136 2.800E+004 0.000E+000 7.000E+003
node 137 0.000E+000 4.000E+003 7.000E+003
node 138 4.000E+003 4.000E+003 7.000E+003
node 139 8.000E+003 4.000E+003 7.000E+003
node 140 1.200E+004 4.000E+003 7.000E+003
node 141 1.600E+004 4.000E+003 7.000E+003
node 142 2.000E+004 4.000E+003 7.000E+003
node 143 2.400E+004 4.000E+003 7.000E+003
node 144 2.800E+004 4.000E+003 7.000E+003
node 145 0.000E+000 8.000E+003 7.000E+003
node 146 4.000E+003 8.000E+003 7.000E+003
node 147 8.000E+003 8.000E+003 7.000E+003
node 148 1.200E+004 8.000E+003 7.000E+003
node 149 1.600E+004 8.000E+003 7.000E+003
node 150 2.000E+004 8.000E+003 7.000E+003
node 151 2.400E+004 8.000E+003 7.000E+003
node 152 2.800E+004 8.000E+003 7.000E+003
node 153 0.000E+000 1.200E+004 7.000E+003
node 154 4.000E+003 1.200E+004 7.000E+003
node 155 8.000E+003 1.200E+004 7.000E+003
node 156 1.200E+004 1.200E+004 7.000E+003
node 157 1.600E+004 1.200E+004 7.000E+003
node 158 2.000E+004 1.200E+004 7.000E+003
node 159 2.400E+004 1.200E+004 7.000E+003
node 160 2.800E+004 1.200E+004 7.000E+003
node 161 0.000E+000 1.600E+004 7.000E+003
node 162 4.000E+003 1.600E+004 7.000E+003
node 163 8.000E+003 1.600E+004 7.000E+003
node 164 1.200E+004 1.600E+004 7.000E+003
node 165 1.600E+004 1.600E+004 7.000E+003
node 166 2.000E+004 1.600E+004 7.000E+003
node 167 2.400E+004 1.600E+004 7.000E+003
node 168 2.800E+004 1.600E+004 7.000E+003
node 169 0.000E+000 2.000E+004 7.000E+003
node 170 4.000E+003 2.000E+004 7.000E+003
node 171 8.000E+003 2.000E+004 7.000E+003
node 172 1.200E+004 2.000E+004 7.000E+003
node 173 1.600E+004 2.000E+004 7.000E+003
node 174 2.000E+004 2.000E+004 7.000E+003
node 175 2.400E+004 2.000E+004 7.000E+003
node 176 2.800E+004 2.000E+004 7.000E+003
node 177 0.000E+000 2.400E+004 7.000E+003
node 178 4.000E+003 2.400E+004 7.000E+003
node 179 8.000E+003 2.400E+004 7.000E+003
node 180 1.200E+004 2.400E+004 7.000E+003
node 181 1.600E+004 2.400E+004 7.000E+003
node 182 2.000E+004 2.400E+004 7.000E+003
node 183 2.400E+004 2.400E+004 7.000E+003
node 184 2.800E+004 2.400E+004 7.000E+003
node 185 0.000E+000 2.800E+004 7.000E+003
node 186 4.000E+003 2.800E+004 7.000E+003
node 187 8.000E+003 2.800E+004 7.000E+003
node 188 1.200E+004 2.800E+004 7.000E+003
node 189 1.600E+004 2.800E+004 7.000E+003
node 190 2.000E+004 2.800E+004 7.000E+003
node 191 2.400E+004 2.800E+004 7.000E+003
node 192 2.800E+004 2.800E+004 7.000E+003
puts "rigidDiaphragm"
puts "mass"
mass 136 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
mass 144 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
mass 152 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
mass 160 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
mass 168 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
mass 176 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
mass 184 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
mass 192 1.000E+001 1.000E+001 1.000E+001 0.000E+000 0.000E+000 0.000E+000
puts "node"
fix 1 1 1 1 1 1 1;
fix 2 1 1 1 1 1 1;
fix 3 1 1 1 1 1 1;
fix 4 1 1 1 1 1 1;
fix 5 1 1 1 1 1 1;
fix 6 1 1 1 1 1 1;
fix 7 1 1 1 1 1 1;
fix 8 1 1 1 1 1 1;
fix 9 1 1 1 1 1 1;
fix 10 1 1 1 1 1 1;
fix 11 1 1 1 1 1 1;
fix 12 1 1 1 1 1 1;
fix 13 1 1 1 1 1 1;
fix 14 1 1 1 1 1 1;
fix 15 1 1 1 1 1 1;
fix 16 1 1 1 1 1 1;
fix 17 1 1 1 1 1 1;
fix 18 1 1 1 1 1 1;
fix 19 1 1 1 1 1 1;
fix 20 1 1 1 1 1 1;
fix 21 1 1 1 1 1 1;
fix 22 1 1 1 1 1 1;
fix 23 1 1 1 1 1 1;
fix 24 1 1 1 1 1 1;
fix 25 1 1 1 1 1 1;
fix 26 1 1 1 1 1 1;
fix 27 1 1 1 1 1 1;
fix 28 1 1 1 1 1 1;
fix 29 1 1 1 1 1 1;
fix 30 1 1 1 1 1 1;
fix 31 1 1 1 1 1 1;
fix 32 1 1 1 1 1 1;
fix 33 1 1 1 1 1 1;
fix 34 1 1 1 1 1 1;
fix 35 1 1 1 1 1 1;
fix 36 1 1 1 1 1 1;
fix 37 1 1 1 1 1 1;
fix 38 1 1 1 1 1 1;
fix 39 1 1 1 1 1 1;
fix 40 1 1 1 1 1 1;
fix 41 1 1 1 1 1 1;
fix 42 1 1 1 1 1 1;
fix 43 1 1 1 1 1 1;
fix 44 1 1 1 1 1 1;
fix 45 1 1 1 1 1 1;
fix 46 1 1 1 1 1 1;
fix 47 1 1 1 1 1 1;
fix 48 1 1 1 1 1 1;
fix 49 1 1 1 1 1 1;
fix 50 1 1 1 1 1 1;
fix 51 1 1 1 1 1 1;
fix 52 1 1 1 1 1 1;
fix 53 1 1 1 1 1 1;
fix 54 1 1 1 1 1 1;
fix 55 1 1 1 1 1 1;
fix 56 1 1 1 1 1 1;
fix 57 1 1 1 1 1 1;
fix 58 1 1 1 1 1 1;
fix 59 1 1 1 1 1 1;
fix 60 1 1 1 1 1 1;
fix 61 1 1 1 1 1 1;
fix 62 1 1 1 1 1 1;
fix 63 1 1 1 1 1 1;
fix 64 1 1 1 1 1 1;
puts "Equal DOF"
puts "material"
uniaxialMaterial Elastic 1 3.000E+004
##NCOL 
section Fiber 1 -GJ 7.219E+013 {
fiber -1.800E+002 -1.800E+002 8.100E+003 1
fiber -9.000E+001 -1.800E+002 8.100E+003 1
fiber 0.000E+000 -1.800E+002 8.100E+003 1
fiber 9.000E+001 -1.800E+002 8.100E+003 1
fiber 1.800E+002 -1.800E+002 8.100E+003 1
fiber -1.800E+002 -9.000E+001 8.100E+003 1
fiber -9.000E+001 -9.000E+001 8.100E+003 1
fiber 0.000E+000 -9.000E+001 8.100E+003 1
fiber 9.000E+001 -9.000E+001 8.100E+003 1
fiber 1.800E+002 -9.000E+001 8.100E+003 1
fiber -1.800E+002 0.000E+000 8.100E+003 1
fiber -9.000E+001 0.000E+000 8.100E+003 1
fiber 0.000E+000 0.000E+000 8.100E+003 1
fiber 9.000E+001 0.000E+000 8.100E+003 1
fiber 1.800E+002 0.000E+000 8.100E+003 1
fiber -1.800E+002 9.000E+001 8.100E+003 1
fiber -9.000E+001 9.000E+001 8.100E+003 1
fiber 0.000E+000 9.000E+001 8.100E+003 1
fiber 9.000E+001 9.000E+001 8.100E+003 1
fiber 1.800E+002 9.000E+001 8.100E+003 1
fiber -1.800E+002 1.800E+002 8.100E+003 1
fiber -9.000E+001 1.800E+002 8.100E+003 1
fiber 0.000E+000 1.800E+002 8.100E+003 1
fiber 9.000E+001 1.800E+002 8.100E+003 1
fiber 1.800E+002 1.800E+002 8.100E+003 1
fiber -1.900E+002 -1.900E+002 2.000E+002 1
fiber -9.500E+001 -1.900E+002 2.000E+002 1
fiber 0.000E+000 -1.900E+002 2.000E+002 1
fiber 9.500E+001 -1.900E+002 2.000E+002 1
fiber 1.900E+002 -1.900E+002 2.000E+002 1
fiber -1.900E+002 1.900E+002 2.000E+002 1
fiber -9.500E+001 1.900E+002 2.000E+002 1
fiber 0.000E+000 1.900E+002 2.000E+002 1
fiber 9.500E+001 1.900E+002 2.000E+002 1
fiber 1.900E+002 1.900E+002 2.000E+002 1
fiber -1.900E+002 -1.267E+002 2.000E+002 1
fiber -1.900E+002 -6.333E+001 2.000E+002 1
fiber -1.900E+002 0.000E+000 2.000E+002 1
fiber -1.900E+002 6.333E+001 2.000E+002 1
fiber -1.900E+002 1.267E+002 2.000E+002 1
fiber 1.900E+002 -1.267E+002 2.000E+002 1
fiber 1.900E+002 -6.333E+001 2.000E+002 1
fiber 1.900E+002 0.000E+000 2.000E+002 1
fiber 1.900E+002 6.333E+001 2.000E+002 1
fiber 1.900E+002 1.267E+002 2.000E+002 1
}

puts "transformation"
geomTransf Linear 1 1.000 0.000 0.000 
geomTransf Linear 2 1.000 0.000 0.000 
geomTransf Linear 3 1.000 0.000 0.000 
geomTransf Linear 4 1.000 0.000 0.000 
geomTransf Linear 5 1.000 0.000 0.000 
geomTransf Linear 6 1.000 0.000 0.000 
geomTransf Linear 7 1.000 0.000 0.000 
geomTransf Linear 8 1.000 0.000 0.000 
geomTransf Linear 9 1.000 0.000 0.000 
geomTransf Linear 10 1.000 0.000 0.000 
geomTransf Linear 11 1.000 0.000 0.000 
geomTransf Linear 12 1.000 0.000 0.000 
geomTransf Linear 13 1.000 0.000 0.000 
geomTransf Linear 14 1.000 0.000 0.000 
geomTransf Linear 15 1.000 0.000 0.000 
geomTransf Linear 16 1.000 0.000 0.000 
geomTransf Linear 17 1.000 0.000 0.000 
geomTransf Linear 18 1.000 0.000 0.000 
geomTransf Linear 19 1.000 0.000 0.000 
geomTransf Linear 20 1.000 0.000 0.000 
geomTransf Linear 21 1.000 0.000 0.000 
geomTransf Linear 22 1.000 0.000 0.000 
geomTransf Linear 23 1.000 0.000 0.000 
geomTransf Linear 24 1.000 0.000 0.000 
geomTransf Linear 25 1.000 0.000 0.000 
geomTransf Linear 26 1.000 0.000 0.000 
geomTransf Linear 27 1.000 0.000 0.000 
geomTransf Linear 28 1.000 0.000 0.000 
geomTransf Linear 29 1.000 0.000 0.000 
geomTransf Linear 30 1.000 0.000 0.000 
geomTransf Linear 31 1.000 0.000 0.000 
geomTransf Linear 32 1.000 0.000 0.000 
geomTransf Linear 33 1.000 0.000 0.000 
geomTransf Linear 34 1.000 0.000 0.000 
geomTransf Linear 35 1.000 0.000 0.000 
geomTransf Linear 36 1.000 0.000 0.000 
geomTransf Linear 37 1.000 0.000 0.000 
geomTransf Linear 38 1.000 0.000 0.000 
geomTransf Linear 39 1.000 0.000 0.000 
geomTransf Linear 40 1.000 0.000 0.000 
geomTransf Linear 41 1.000 0.000 0.000 
geomTransf Linear 42 1.000 0.000 0.000 
geomTransf Linear 43 1.000 0.000 0.000 
geomTransf Linear 44 1.000 0.000 0.000 
geomTransf Linear 45 1.000 0.000 0.000 
geomTransf Linear 46 1.000 0.000 0.000 
geomTransf Linear 47 1.000 0.000 0.000 
geomTransf Linear 48 1.000 0.000 0.000 
geomTransf Linear 49 1.000 0.000 0.000 
geomTransf Linear 50 1.000 0.000 0.000 
geomTransf Linear 51 1.000 0.000 0.000 
geomTransf Linear 52 1.000 0.000 0.000 
geomTransf Linear 53 1.000 0.000 0.000 
geomTransf Linear 54 1.000 0.000 0.000 
geomTransf Linear 55 1.000 0.000 0.000 
geomTransf Linear 56 1.000 0.000 0.000 
geomTransf Linear 57 1.000 0.000 0.000 
geomTransf Linear 58 1.000 0.000 0.000 
geomTransf Linear 59 1.000 0.000 0.000 
geomTransf Linear 60 1.000 0.000 0.000 
geomTransf Linear 61 1.000 0.000 0.000 
geomTransf Linear 62 1.000 0.000 0.000 
geomTransf Linear 63 1.000 0.000 0.000 
geomTransf Linear 64 1.000 0.000 0.000 
geomTransf Linear 65 1.000 0.000 0.000 
geomTransf Linear 66 1.000 0.000 0.000 
geomTransf Linear 67 1.000 0.000 0.000 
geomTransf Linear 68 1.000 0.000 0.000 
geomTransf Linear 69 1.000 0.000 0.000 
geomTransf Linear 70 1.000 0.000 0.000 
geomTransf Linear 71 1.000 0.000 0.000 
geomTransf Linear 72 1.000 0.000 0.000 
geomTransf Linear 73 1.000 0.000 0.000 
geomTransf Linear 74 1.000 0.000 0.000 
geomTransf Linear 75 1.000 0.000 0.000 
geomTransf Linear 76 1.000 0.000 0.000 
geomTransf Linear 77 1.000 0.000 0.000 
geomTransf Linear 78 1.000 0.000 0.000 
geomTransf Linear 79 1.000 0.000 0.000 
geomTransf Linear 80 1.000 0.000 0.000 
geomTransf Linear 81 1.000 0.000 0.000 
geomTransf Linear 82 1.000 0.000 0.000 
geomTransf Linear 83 1.000 0.000 0.000 
geomTransf Linear 84 1.000 0.000 0.000 
geomTransf Linear 85 1.000 0.000 0.000 
geomTransf Linear 86 1.000 0.000 0.000 
geomTransf Linear 87 1.000 0.000 0.000 
geomTransf Linear 88 1.000 0.000 0.000 
geomTransf Linear 89 1.000 0.000 0.000 
geomTransf Linear 90 1.000 0.000 0.000 
geomTransf Linear 91 1.000 0.000 0.000 
geomTransf Linear 92 1.000 0.000 0.000 
geomTransf Linear 93 1.000 0.000 0.000 
geomTransf Linear 94 1.000 0.000 0.000 
geomTransf Linear 95 1.000 0.000 0.000 
geomTransf Linear 96 1.000 0.000 0.000 
geomTransf Linear 97 1.000 0.000 0.000 
geomTransf Linear 98 1.000 0.000 0.000 
geomTransf Linear 99 1.000 0.000 0.000 
geomTransf Linear 100 1.000 0.000 0.000 
geomTransf Linear 101 1.000 0.000 0.000 
geomTransf Linear 102 1.000 0.000 0.000 
geomTransf Linear 103 1.000 0.000 0.000 
geomTransf Linear 104 1.000 0.000 0.000 
geomTransf Linear 105 1.000 0.000 0.000 
geomTransf Linear 106 1.000 0.000 0.000 
geomTransf Linear 107 1.000 0.000 0.000 
geomTransf Linear 108 1.000 0.000 0.000 
geomTransf Linear 109 1.000 0.000 0.000 
geomTransf Linear 110 1.000 0.000 0.000 
geomTransf Linear 111 1.000 0.000 0.000 
geomTransf Linear 112 1.000 0.000 0.000 
geomTransf Linear 113 1.000 0.000 0.000 
geomTransf Linear 114 1.000 0.000 0.000 
geomTransf Linear 115 1.000 0.000 0.000 
geomTransf Linear 116 1.000 0.000 0.000 
geomTransf Linear 117 1.000 0.000 0.000 
geomTransf Linear 118 1.000 0.000 0.000 
geomTransf Linear 119 1.000 0.000 0.000 
geomTransf Linear 120 1.000 0.000 0.000 
geomTransf Linear 121 1.000 0.000 0.000 
geomTransf Linear 122 1.000 0.000 0.000 
geomTransf Linear 123 1.000 0.000 0.000 
geomTransf Linear 124 1.000 0.000 0.000 
geomTransf Linear 125 1.000 0.000 0.000 
geomTransf Linear 126 1.000 0.000 0.000 
geomTransf Linear 127 1.000 0.000 0.000 
geomTransf Linear 128 1.000 0.000 0.000 
geomTransf Linear 129 0.000 0.000 1.000 
geomTransf Linear 130 0.000 0.000 1.000 
geomTransf Linear 131 0.000 0.000 1.000 
geomTransf Linear 132 0.000 0.000 1.000 
geomTransf Linear 133 0.000 0.000 1.000 
geomTransf Linear 134 0.000 0.000 1.000 
geomTransf Linear 135 0.000 0.000 1.000 
geomTransf Linear 136 0.000 0.000 1.000 
geomTransf Linear 137 0.000 0.000 1.000 
geomTransf Linear 138 0.000 0.000 1.000 
geomTransf Linear 139 0.000 0.000 1.000 
geomTransf Linear 140 0.000 0.000 1.000 
geomTransf Linear 141 0.000 0.000 1.000 
geomTransf Linear 142 0.000 0.000 1.000 
geomTransf Linear 143 0.000 0.000 1.000 
geomTransf Linear 144 0.000 0.000 1.000 
geomTransf Linear 145 0.000 0.000 1.000 
geomTransf Linear 146 0.000 0.000 1.000 
geomTransf Linear 147 0.000 0.000 1.000 
geomTransf Linear 148 0.000 0.000 1.000 
geomTransf Linear 149 0.000 0.000 1.000 
geomTransf Linear 150 0.000 0.000 1.000 
geomTransf Linear 151 0.000 0.000 1.000 
geomTransf Linear 152 0.000 0.000 1.000 
geomTransf Linear 153 0.000 0.000 1.000 
geomTransf Linear 154 0.000 0.000 1.000 
geomTransf Linear 155 0.000 0.000 1.000 
geomTransf Linear 156 0.000 0.000 1.000 
geomTransf Linear 157 0.000 0.000 1.000 
geomTransf Linear 158 0.000 0.000 1.000 
geomTransf Linear 159 0.000 0.000 1.000 
geomTransf Linear 160 0.000 0.000 1.000 
geomTransf Linear 161 0.000 0.000 1.000 
geomTransf Linear 162 0.000 0.000 1.000 
geomTransf Linear 163 0.000 0.000 1.000 
geomTransf Linear 164 0.000 0.000 1.000 
geomTransf Linear 165 0.000 0.000 1.000 
geomTransf Linear 166 0.000 0.000 1.000 
geomTransf Linear 167 0.000 0.000 1.000 
geomTransf Linear 168 0.000 0.000 1.000 
geomTransf Linear 169 0.000 0.000 1.000 
geomTransf Linear 170 0.000 0.000 1.000 
geomTransf Linear 171 0.000 0.000 1.000 
geomTransf Linear 172 0.000 0.000 1.000 
geomTransf Linear 173 0.000 0.000 1.000 
geomTransf Linear 174 0.000 0.000 1.000 
geomTransf Linear 175 0.000 0.000 1.000 
geomTransf Linear 176 0.000 0.000 1.000 
geomTransf Linear 177 0.000 0.000 1.000 
geomTransf Linear 178 0.000 0.000 1.000 
geomTransf Linear 179 0.000 0.000 1.000 
geomTransf Linear 180 0.000 0.000 1.000 
geomTransf Linear 181 0.000 0.000 1.000 
geomTransf Linear 182 0.000 0.000 1.000 
geomTransf Linear 183 0.000 0.000 1.000 
geomTransf Linear 184 0.000 0.000 1.000 
geomTransf Linear 185 0.000 0.000 1.000 
geomTransf Linear 186 0.000 0.000 1.000 
geomTransf Linear 187 0.000 0.000 1.000 
geomTransf Linear 188 0.000 0.000 1.000 
geomTransf Linear 189 0.000 0.000 1.000 
geomTransf Linear 190 0.000 0.000 1.000 
geomTransf Linear 191 0.000 0.000 1.000 
geomTransf Linear 192 0.000 0.000 1.000 
geomTransf Linear 193 0.000 0.000 1.000 
geomTransf Linear 194 0.000 0.000 1.000 
geomTransf Linear 195 0.000 0.000 1.000 
geomTransf Linear 196 0.000 0.000 1.000 
geomTransf Linear 197 0.000 0.000 1.000 
geomTransf Linear 198 0.000 0.000 1.000 
geomTransf Linear 199 0.000 0.000 1.000 
geomTransf Linear 200 0.000 0.000 1.000 
geomTransf Linear 201 0.000 0.000 1.000 
geomTransf Linear 202 0.000 0.000 1.000 
geomTransf Linear 203 0.000 0.000 1.000 
geomTransf Linear 204 0.000 0.000 1.000 
geomTransf Linear 205 0.000 0.000 1.000 
geomTransf Linear 206 0.000 0.000 1.000 
geomTransf Linear 207 0.000 0.000 1.000 
geomTransf Linear 208 0.000 0.000 1.000 
geomTransf Linear 209 0.000 0.000 1.000 
geomTransf Linear 210 0.000 0.000 1.000 
geomTransf Linear 211 0.000 0.000 1.000 
geomTransf Linear 212 0.000 0.000 1.000 
geomTransf Linear 213 0.000 0.000 1.000 
geomTransf Linear 214 0.000 0.000 1.000 
geomTransf Linear 215 0.000 0.000 1.000 
geomTransf Linear 216 0.000 0.000 1.000 
geomTransf Linear 217 0.000 0.000 1.000 
geomTransf Linear 218 0.000 0.000 1.000 
geomTransf Linear 219 0.000 0.000 1.000 
geomTransf Linear 220 0.000 0.000 1.000 
geomTransf Linear 221 0.000 0.000 1.000 
geomTransf Linear 222 0.000 0.000 1.000 
geomTransf Linear 223 0.000 0.000 1.000 
geomTransf Linear 224 0.000 0.000 1.000 
geomTransf Linear 225 0.000 0.000 1.000 
geomTransf Linear 226 0.000 0.000 1.000 
geomTransf Linear 227 0.000 0.000 1.000 
geomTransf Linear 228 0.000 0.000 1.000 
geomTransf Linear 229 0.000 0.000 1.000 
geomTransf Linear 230 0.000 0.000 1.000 
geomTransf Linear 231 0.000 0.000 1.000 
geomTransf Linear 232 0.000 0.000 1.000 
geomTransf Linear 233 0.000 0.000 1.000 
geomTransf Linear 234 0.000 0.000 1.000 
geomTransf Linear 235 0.000 0.000 1.000 
geomTransf Linear 236 0.000 0.000 1.000 
geomTransf Linear 237 0.000 0.000 1.000 
geomTransf Linear 238 0.000 0.000 1.000 
geomTransf Linear 239 0.000 0.000 1.000 
geomTransf Linear 240 0.000 0.000 1.000 
geomTransf Linear 241 0.000 0.000 1.000 
geomTransf Linear 242 0.000 0.000 1.000 
geomTransf Linear 243 0.000 0.000 1.000 
geomTransf Linear 244 0.000 0.000 1.000 
geomTransf Linear 245 0.000 0.000 1.000 
geomTransf Linear 246 0.000 0.000 1.000 
geomTransf Linear 247 0.000 0.000 1.000 
geomTransf Linear 248 0.000 0.000 1.000 
geomTransf Linear 249 0.000 0.000 1.000 
geomTransf Linear 250 0.000 0.000 1.000 
geomTransf Linear 251 0.000 0.000 1.000 
geomTransf Linear 252 0.000 0.000 1.000 
geomTransf Linear 253 0.000 0.000 1.000 
geomTransf Linear 254 0.000 0.000 1.000 
geomTransf Linear 255 0.000 0.000 1.000 
geomTransf Linear 256 0.000 0.000 1.000 
geomTransf Linear 257 0.000 0.000 1.000 
geomTransf Linear 258 0.000 0.000 1.000 
geomTransf Linear 259 0.000 0.000 1.000 
geomTransf Linear 260 0.000 0.000 1.000 
geomTransf Linear 261 0.000 0.000 1.000 
geomTransf Linear 262 0.000 0.000 1.000 
geomTransf Linear 263 0.000 0.000 1.000 
geomTransf Linear 264 0.000 0.000 1.000 
geomTransf Linear 265 0.000 0.000 1.000 
geomTransf Linear 266 0.000 0.000 1.000 
geomTransf Linear 267 0.000 0.000 1.000 
geomTransf Linear 268 0.000 0.000 1.000 
geomTransf Linear 269 0.000 0.000 1.000 
geomTransf Linear 270 0.000 0.000 1.000 
geomTransf Linear 271 0.000 0.000 1.000 
geomTransf Linear 272 0.000 0.000 1.000 
geomTransf Linear 273 0.000 0.000 1.000 
geomTransf Linear 274 0.000 0.000 1.000 
geomTransf Linear 275 0.000 0.000 1.000 
geomTransf Linear 276 0.000 0.000 1.000 
geomTransf Linear 277 0.000 0.000 1.000 
geomTransf Linear 278 0.000 0.000 1.000 
geomTransf Linear 279 0.000 0.000 1.000 
geomTransf Linear 280 0.000 0.000 1.000 
geomTransf Linear 281 0.000 0.000 1.000 
geomTransf Linear 282 0.000 0.000 1.000 
geomTransf Linear 283 0.000 0.000 1.000 
geomTransf Linear 284 0.000 0.000 1.000 
geomTransf Linear 285 0.000 0.000 1.000 
geomTransf Linear 286 0.000 0.000 1.000 
geomTransf Linear 287 0.000 0.000 1.000 
geomTransf Linear 288 0.000 0.000 1.000 
geomTransf Linear 289 0.000 0.000 1.000 
geomTransf Linear 290 0.000 0.000 1.000 
geomTransf Linear 291 0.000 0.000 1.000 
geomTransf Linear 292 0.000 0.000 1.000 
geomTransf Linear 293 0.000 0.000 1.000 
geomTransf Linear 294 0.000 0.000 1.000 
geomTransf Linear 295 0.000 0.000 1.000 
geomTransf Linear 296 0.000 0.000 1.000 
geomTransf Linear 297 0.000 0.000 1.000 
geomTransf Linear 298 0.000 0.000 1.000 
geomTransf Linear 299 0.000 0.000 1.000 
geomTransf Linear 300 0.000 0.000 1.000 
geomTransf Linear 301 0.000 0.000 1.000 
geomTransf Linear 302 0.000 0.000 1.000 
geomTransf Linear 303 0.000 0.000 1.000 
geomTransf Linear 304 0.000 0.000 1.000 
geomTransf Linear 305 0.000 0.000 1.000 
geomTransf Linear 306 0.000 0.000 1.000 
geomTransf Linear 307 0.000 0.000 1.000 
geomTransf Linear 308 0.000 0.000 1.000 
geomTransf Linear 309 0.000 0.000 1.000 
geomTransf Linear 310 0.000 0.000 1.000 
geomTransf Linear 311 0.000 0.000 1.000 
geomTransf Linear 312 0.000 0.000 1.000 
geomTransf Linear 313 0.000 0.000 1.000 
geomTransf Linear 314 0.000 0.000 1.000 
geomTransf Linear 315 0.000 0.000 1.000 
geomTransf Linear 316 0.000 0.000 1.000 
geomTransf Linear 317 0.000 0.000 1.000 
geomTransf Linear 318 0.000 0.000 1.000 
geomTransf Linear 319 0.000 0.000 1.000 
geomTransf Linear 320 0.000 0.000 1.000 
geomTransf Linear 321 0.000 0.000 1.000 
geomTransf Linear 322 0.000 0.000 1.000 
geomTransf Linear 323 0.000 0.000 1.000 
geomTransf Linear 324 0.000 0.000 1.000 
geomTransf Linear 325 0.000 0.000 1.000 
geomTransf Linear 326 0.000 0.000 1.000 
geomTransf Linear 327 0.000 0.000 1.000 
geomTransf Linear 328 0.000 0.000 1.000 
geomTransf Linear 329 0.000 0.000 1.000 
geomTransf Linear 330 0.000 0.000 1.000 
geomTransf Linear 331 0.000 0.000 1.000 
geomTransf Linear 332 0.000 0.000 1.000 
geomTransf Linear 333 0.000 0.000 1.000 
geomTransf Linear 334 0.000 0.000 1.000 
geomTransf Linear 335 0.000 0.000 1.000 
geomTransf Linear 336 0.000 0.000 1.000 
geomTransf Linear 337 0.000 0.000 1.000 
geomTransf Linear 338 0.000 0.000 1.000 
geomTransf Linear 339 0.000 0.000 1.000 
geomTransf Linear 340 0.000 0.000 1.000 
geomTransf Linear 341 0.000 0.000 1.000 
geomTransf Linear 342 0.000 0.000 1.000 
geomTransf Linear 343 0.000 0.000 1.000 
geomTransf Linear 344 0.000 0.000 1.000 
geomTransf Linear 345 0.000 0.000 1.000 
geomTransf Linear 346 0.000 0.000 1.000 
geomTransf Linear 347 0.000 0.000 1.000 
geomTransf Linear 348 0.000 0.000 1.000 
geomTransf Linear 349 0.000 0.000 1.000 
geomTransf Linear 350 0.000 0.000 1.000 
geomTransf Linear 351 0.000 0.000 1.000 
geomTransf Linear 352 0.000 0.000 1.000 
puts "element"
element nonlinearBeamColumn 1 1 65 4 1 1
element nonlinearBeamColumn 2 2 66 4 1 2
element nonlinearBeamColumn 3 3 67 4 1 3
element nonlinearBeamColumn 4 4 68 4 1 4
element nonlinearBeamColumn 5 5 69 4 1 5
element nonlinearBeamColumn 6 6 70 4 1 6
element nonlinearBeamColumn 7 7 71 4 1 7
element nonlinearBeamColumn 8 8 72 4 1 8
element nonlinearBeamColumn 9 9 73 4 1 9
element nonlinearBeamColumn 10 10 74 4 1 10
element nonlinearBeamColumn 11 11 75 4 1 11
element nonlinearBeamColumn 12 12 76 4 1 12
element nonlinearBeamColumn 13 13 77 4 1 13
element nonlinearBeamColumn 14 14 78 4 1 14
element nonlinearBeamColumn 15 15 79 4 1 15
element nonlinearBeamColumn 16 16 80 4 1 16
element nonlinearBeamColumn 17 17 81 4 1 17
element nonlinearBeamColumn 18 18 82 4 1 18
element nonlinearBeamColumn 19 19 83 4 1 19
element nonlinearBeamColumn 20 20 84 4 1 20
element nonlinearBeamColumn 21 21 85 4 1 21
element nonlinearBeamColumn 22 22 86 4 1 22
element nonlinearBeamColumn 23 23 87 4 1 23
element nonlinearBeamColumn 24 24 88 4 1 24
element nonlinearBeamColumn 25 25 89 4 1 25
element nonlinearBeamColumn 26 26 90 4 1 26
element nonlinearBeamColumn 27 27 91 4 1 27
element nonlinearBeamColumn 28 28 92 4 1 28
element nonlinearBeamColumn 29 29 93 4 1 29
element nonlinearBeamColumn 30 30 94 4 1 30
element nonlinearBeamColumn 31 31 95 4 1 31
element nonlinearBeamColumn 32 32 96 4 1 32
element nonlinearBeamColumn 33 33 97 4 1 33
element nonlinearBeamColumn 34 34 98 4 1 34
element nonlinearBeamColumn 35 35 99 4 1 35
element nonlinearBeamColumn 36 36 100 4 1 36
element nonlinearBeamColumn 37 37 101 4 1 37
element nonlinearBeamColumn 38 38 102 4 1 38
element nonlinearBeamColumn 39 39 103 4 1 39
element nonlinearBeamColumn 40 40 104 4 1 40
element nonlinearBeamColumn 41 41 105 4 1 41
element nonlinearBeamColumn 42 42 106 4 1 42
element nonlinearBeamColumn 43 43 107 4 1 43
element nonlinearBeamColumn 44 44 108 4 1 44
element nonlinearBeamColumn 45 45 109 4 1 45
element nonlinearBeamColumn 46 46 110 4 1 46
element nonlinearBeamColumn 47 47 111 4 1 47
element nonlinearBeamColumn 48 48 112 4 1 48
element nonlinearBeamColumn 49 49 113 4 1 49
element nonlinearBeamColumn 50 50 114 4 1 50
element nonlinearBeamColumn 51 51 115 4 1 51
element nonlinearBeamColumn 52 52 116 4 1 52
element nonlinearBeamColumn 53 53 117 4 1 53
element nonlinearBeamColumn 54 54 118 4 1 54
element nonlinearBeamColumn 55 55 119 4 1 55
element nonlinearBeamColumn 56 56 120 4 1 56
element nonlinearBeamColumn 57 57 121 4 1 57
element nonlinearBeamColumn 58 58 122 4 1 58
element nonlinearBeamColumn 59 59 123 4 1 59
element nonlinearBeamColumn 60 60 124 4 1 60
element nonlinearBeamColumn 61 61 125 4 1 61
element nonlinearBeamColumn 62 62 126 4 1 62
element nonlinearBeamColumn 63 63 127 4 1 63
element nonlinearBeamColumn 64 64 128 4 1 64
element nonlinearBeamColumn 65 65 129 4 1 65
element nonlinearBeamColumn 66 66 130 4 1 66
element nonlinearBeamColumn 67 67 131 4 1 67
element nonlinearBeamColumn 68 68 132 4 1 68
element nonlinearBeamColumn 69 69 133 4 1 69
element nonlinearBeamColumn 70 70 134 4 1 70
element nonlinearBeamColumn 71 71 135 4 1 71
element nonlinearBeamColumn 72 72 136 4 1 72
element nonlinearBeamColumn 73 73 137 4 1 73
element nonlinearBeamColumn 74 74 138 4 1 74
element nonlinearBeamColumn 75 75 139 4 1 75
element nonlinearBeamColumn 76 76 140 4 1 76
element nonlinearBeamColumn 77 77 141 4 1 77
element nonlinearBeamColumn 78 78 142 4 1 78
element nonlinearBeamColumn 79 79 143 4 1 79
element nonlinearBeamColumn 80 80 144 4 1 80
element nonlinearBeamColumn 81 81 145 4 1 81
element nonlinearBeamColumn 82 82 146 4 1 82
element nonlinearBeamColumn 83 83 147 4 1 83
element nonlinearBeamColumn 84 84 148 4 1 84
element nonlinearBeamColumn 85 85 149 4 1 85
element nonlinearBeamColumn 86 86 150 4 1 86
element nonlinearBeamColumn 87 87 151 4 1 87
element nonlinearBeamColumn 88 88 152 4 1 88
element nonlinearBeamColumn 89 89 153 4 1 89
element nonlinearBeamColumn 90 90 154 4 1 90
element nonlinearBeamColumn 91 91 155 4 1 91
element nonlinearBeamColumn 92 92 156 4 1 92
element nonlinearBeamColumn 93 93 157 4 1 93
element nonlinearBeamColumn 94 94 158 4 1 94
element nonlinearBeamColumn 95 95 159 4 1 95
element nonlinearBeamColumn 96 96 160 4 1 96
element nonlinearBeamColumn 97 97 161 4 1 97
element nonlinearBeamColumn 98 98 162 4 1 98
element nonlinearBeamColumn 99 99 163 4 1 99
element nonlinearBeamColumn 100 100 164 4 1 100
element nonlinearBeamColumn 101 101 165 4 1 101
element nonlinearBeamColumn 102 102 166 4 1 102
element nonlinearBeamColumn 103 103 167 4 1 103
element nonlinearBeamColumn 104 104 168 4 1 104
element nonlinearBeamColumn 105 105 169 4 1 105
element nonlinearBeamColumn 106 106 170 4 1 106
element nonlinearBeamColumn 107 107 171 4 1 107
element nonlinearBeamColumn 108 108 172 4 1 108
element nonlinearBeamColumn 109 109 173 4 1 109
element nonlinearBeamColumn 110 110 174 4 1 110
element nonlinearBeamColumn 111 111 175 4 1 111
element nonlinearBeamColumn 112 112 176 4 1 112
element nonlinearBeamColumn 113 113 177 4 1 113
element nonlinearBeamColumn 114 114 178 4 1 114
element nonlinearBeamColumn 115 115 179 4 1 115
element nonlinearBeamColumn 116 116 180 4 1 116
element nonlinearBeamColumn 117 117 181 4 1 117
element nonlinearBeamColumn 118 118 182 4 1 118
element nonlinearBeamColumn 119 119 183 4 1 119
element nonlinearBeamColumn 120 120 184 4 1 120
element nonlinearBeamColumn 121 121 185 4 1 121
element nonlinearBeamColumn 122 122 186 4 1 122
element nonlinearBeamColumn 123 123 187 4 1 123
element nonlinearBeamColumn 124 124 188 4 1 124
element nonlinearBeamColumn 125 125 189 4 1 125
element nonlinearBeamColumn 126 126 190 4 1 126
element nonlinearBeamColumn 127 127 191 4 1 127
element nonlinearBeamColumn 128 128 192 4 1 128
element elasticBeamColumn 129 65 66 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 129
element elasticBeamColumn 130 66 67 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 130
element elasticBeamColumn 131 67 68 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 131
element elasticBeamColumn 132 68 69 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 132
element elasticBeamColumn 133 69 70 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 133
element elasticBeamColumn 134 70 71 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 134
element elasticBeamColumn 135 71 72 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 135
element elasticBeamColumn 136 73 74 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 136
element elasticBeamColumn 137 74 75 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 137
element elasticBeamColumn 138 75 76 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 138
element elasticBeamColumn 139 76 77 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 139
element elasticBeamColumn 140 77 78 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 140
element elasticBeamColumn 141 78 79 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 141
element elasticBeamColumn 142 79 80 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 142
element elasticBeamColumn 143 81 82 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 143
element elasticBeamColumn 144 82 83 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 144
element elasticBeamColumn 145 83 84 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 145
element elasticBeamColumn 146 84 85 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 146
element elasticBeamColumn 147 85 86 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 147
element elasticBeamColumn 148 86 87 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 148
element elasticBeamColumn 149 87 88 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 149
element elasticBeamColumn 150 89 90 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 150
element elasticBeamColumn 151 90 91 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 151
element elasticBeamColumn 152 91 92 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 152
element elasticBeamColumn 153 92 93 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 153
element elasticBeamColumn 154 93 94 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 154
element elasticBeamColumn 155 94 95 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 155
element elasticBeamColumn 156 95 96 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 156
element elasticBeamColumn 157 97 98 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 157
element elasticBeamColumn 158 98 99 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 158
element elasticBeamColumn 159 99 100 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 159
element elasticBeamColumn 160 100 101 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 160
element elasticBeamColumn 161 101 102 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 161
element elasticBeamColumn 162 102 103 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 162
element elasticBeamColumn 163 103 104 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 163
element elasticBeamColumn 164 105 106 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 164
element elasticBeamColumn 165 106 107 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 165
element elasticBeamColumn 166 107 108 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 166
element elasticBeamColumn 167 108 109 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 167
element elasticBeamColumn 168 109 110 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 168
element elasticBeamColumn 169 110 111 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 169
element elasticBeamColumn 170 111 112 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 170
element elasticBeamColumn 171 113 114 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 171
element elasticBeamColumn 172 114 115 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 172
element elasticBeamColumn 173 115 116 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 173
element elasticBeamColumn 174 116 117 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 174
element elasticBeamColumn 175 117 118 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 175
element elasticBeamColumn 176 118 119 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 176
element elasticBeamColumn 177 119 120 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 177
element elasticBeamColumn 178 121 122 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 178
element elasticBeamColumn 179 122 123 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 179
element elasticBeamColumn 180 123 124 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 180
element elasticBeamColumn 181 124 125 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 181
element elasticBeamColumn 182 125 126 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 182
element elasticBeamColumn 183 126 127 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 183
element elasticBeamColumn 184 127 128 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 184
element elasticBeamColumn 185 65 73 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 185
element elasticBeamColumn 186 66 74 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 186
element elasticBeamColumn 187 67 75 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 187
element elasticBeamColumn 188 68 76 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 188
element elasticBeamColumn 189 69 77 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 189
element elasticBeamColumn 190 70 78 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 190
element elasticBeamColumn 191 71 79 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 191
element elasticBeamColumn 192 72 80 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 192
element elasticBeamColumn 193 73 81 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 193
element elasticBeamColumn 194 74 82 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 194
element elasticBeamColumn 195 75 83 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 195
element elasticBeamColumn 196 76 84 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 196
element elasticBeamColumn 197 77 85 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 197
element elasticBeamColumn 198 78 86 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 198
element elasticBeamColumn 199 79 87 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 199
element elasticBeamColumn 200 80 88 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 200
element elasticBeamColumn 201 81 89 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 201
element elasticBeamColumn 202 82 90 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 202
element elasticBeamColumn 203 83 91 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 203
element elasticBeamColumn 204 84 92 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 204
element elasticBeamColumn 205 85 93 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 205
element elasticBeamColumn 206 86 94 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 206
element elasticBeamColumn 207 87 95 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 207
element elasticBeamColumn 208 88 96 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 208
element elasticBeamColumn 209 89 97 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 209
element elasticBeamColumn 210 90 98 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 210
element elasticBeamColumn 211 91 99 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 211
element elasticBeamColumn 212 92 100 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 212
element elasticBeamColumn 213 93 101 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 213
element elasticBeamColumn 214 94 102 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 214
element elasticBeamColumn 215 95 103 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 215
element elasticBeamColumn 216 96 104 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 216
element elasticBeamColumn 217 97 105 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 217
element elasticBeamColumn 218 98 106 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 218
element elasticBeamColumn 219 99 107 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 219
element elasticBeamColumn 220 100 108 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 220
element elasticBeamColumn 221 101 109 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 221
element elasticBeamColumn 222 102 110 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 222
element elasticBeamColumn 223 103 111 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 223
element elasticBeamColumn 224 104 112 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 224
element elasticBeamColumn 225 105 113 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 225
element elasticBeamColumn 226 106 114 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 226
element elasticBeamColumn 227 107 115 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 227
element elasticBeamColumn 228 108 116 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 228
element elasticBeamColumn 229 109 117 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 229
element elasticBeamColumn 230 110 118 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 230
element elasticBeamColumn 231 111 119 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 231
element elasticBeamColumn 232 112 120 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 232
element elasticBeamColumn 233 113 121 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 233
element elasticBeamColumn 234 114 122 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 234
element elasticBeamColumn 235 115 123 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 235
element elasticBeamColumn 236 116 124 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 236
element elasticBeamColumn 237 117 125 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 237
element elasticBeamColumn 238 118 126 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 238
element elasticBeamColumn 239 119 127 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 239
element elasticBeamColumn 240 120 128 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 240
element elasticBeamColumn 241 129 130 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 241
element elasticBeamColumn 242 130 131 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 242
element elasticBeamColumn 243 131 132 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 243
element elasticBeamColumn 244 132 133 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 244
element elasticBeamColumn 245 133 134 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 245
element elasticBeamColumn 246 134 135 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 246
element elasticBeamColumn 247 135 136 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 247
element elasticBeamColumn 248 137 138 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 248
element elasticBeamColumn 249 138 139 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 249
element elasticBeamColumn 250 139 140 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 250
element elasticBeamColumn 251 140 141 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 251
element elasticBeamColumn 252 141 142 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 252
element elasticBeamColumn 253 142 143 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 253
element elasticBeamColumn 254 143 144 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 254
element elasticBeamColumn 255 145 146 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 255
element elasticBeamColumn 256 146 147 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 256
element elasticBeamColumn 257 147 148 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 257
element elasticBeamColumn 258 148 149 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 258
element elasticBeamColumn 259 149 150 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 259
element elasticBeamColumn 260 150 151 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 260
element elasticBeamColumn 261 151 152 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 261
element elasticBeamColumn 262 153 154 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 262
element elasticBeamColumn 263 154 155 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 263
element elasticBeamColumn 264 155 156 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 264
element elasticBeamColumn 265 156 157 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 265
element elasticBeamColumn 266 157 158 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 266
element elasticBeamColumn 267 158 159 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 267
element elasticBeamColumn 268 159 160 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 268
element elasticBeamColumn 269 161 162 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 269
element elasticBeamColumn 270 162 163 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 270
element elasticBeamColumn 271 163 164 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 271
element elasticBeamColumn 272 164 165 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 272
element elasticBeamColumn 273 165 166 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 273
element elasticBeamColumn 274 166 167 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 274
element elasticBeamColumn 275 167 168 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 275
element elasticBeamColumn 276 169 170 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 276
element elasticBeamColumn 277 170 171 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 277
element elasticBeamColumn 278 171 172 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 278
element elasticBeamColumn 279 172 173 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 279
element elasticBeamColumn 280 173 174 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 280
element elasticBeamColumn 281 174 175 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 281
element elasticBeamColumn 282 175 176 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 282
element elasticBeamColumn 283 177 178 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 283
element elasticBeamColumn 284 178 179 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 284
element elasticBeamColumn 285 179 180 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 285
element elasticBeamColumn 286 180 181 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 286
element elasticBeamColumn 287 181 182 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 287
element elasticBeamColumn 288 182 183 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 288
element elasticBeamColumn 289 183 184 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 289
element elasticBeamColumn 290 185 186 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 290
element elasticBeamColumn 291 186 187 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 291
element elasticBeamColumn 292 187 188 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 292
element elasticBeamColumn 293 188 189 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 293
element elasticBeamColumn 294 189 190 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 294
element elasticBeamColumn 295 190 191 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 295
element elasticBeamColumn 296 191 192 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 296
element elasticBeamColumn 297 129 137 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 297
element elasticBeamColumn 298 130 138 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 298
element elasticBeamColumn 299 131 139 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 299
element elasticBeamColumn 300 132 140 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 300
element elasticBeamColumn 301 133 141 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 301
element elasticBeamColumn 302 134 142 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 302
element elasticBeamColumn 303 135 143 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 303
element elasticBeamColumn 304 136 144 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 304
element elasticBeamColumn 305 137 145 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 305
element elasticBeamColumn 306 138 146 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 306
element elasticBeamColumn 307 139 147 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 307
element elasticBeamColumn 308 140 148 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 308
element elasticBeamColumn 309 141 149 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 309
element elasticBeamColumn 310 142 150 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 310
element elasticBeamColumn 311 143 151 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 311
element elasticBeamColumn 312 144 152 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 312
element elasticBeamColumn 313 145 153 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 313
element elasticBeamColumn 314 146 154 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 314
element elasticBeamColumn 315 147 155 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 315
element elasticBeamColumn 316 148 156 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 316
element elasticBeamColumn 317 149 157 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 317
element elasticBeamColumn 318 150 158 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 318
element elasticBeamColumn 319 151 159 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 319
element elasticBeamColumn 320 152 160 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 320
element elasticBeamColumn 321 153 161 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 321
element elasticBeamColumn 322 154 162 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 322
element elasticBeamColumn 323 155 163 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 323
element elasticBeamColumn 324 156 164 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 324
element elasticBeamColumn 325 157 165 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 325
element elasticBeamColumn 326 158 166 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 326
element elasticBeamColumn 327 159 167 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 327
element elasticBeamColumn 328 160 168 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 328
element elasticBeamColumn 329 161 169 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 329
element elasticBeamColumn 330 162 170 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 330
element elasticBeamColumn 331 163 171 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 331
element elasticBeamColumn 332 164 172 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 332
element elasticBeamColumn 333 165 173 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 333
element elasticBeamColumn 334 166 174 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 334
element elasticBeamColumn 335 167 175 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 335
element elasticBeamColumn 336 168 176 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 336
element elasticBeamColumn 337 169 177 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 337
element elasticBeamColumn 338 170 178 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 338
element elasticBeamColumn 339 171 179 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 339
element elasticBeamColumn 340 172 180 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 340
element elasticBeamColumn 341 173 181 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 341
element elasticBeamColumn 342 174 182 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 342
element elasticBeamColumn 343 175 183 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 343
element elasticBeamColumn 344 176 184 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 344
element elasticBeamColumn 345 177 185 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 345
element elasticBeamColumn 346 178 186 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 346
element elasticBeamColumn 347 179 187 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 347
element elasticBeamColumn 348 180 188 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 348
element elasticBeamColumn 349 181 189 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 349
element elasticBeamColumn 350 182 190 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 350
element elasticBeamColumn 351 183 191 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 351
element elasticBeamColumn 352 184 192 1.250E+005 3.000E+004 1.250E+004 1.788E+009 2.604E+009 6.510E+008 352
puts "shell element"
puts "SOLID element"
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp
recorder Node -file node1.out -time -nodeRange 101 192 -dof 1 2 3 disp
recorder Element -file ele1.out -time -eleRange 1 100 localForce
recorder Element -file ele2.out -time -eleRange 101 200 localForce
recorder Element -file ele3.out -time -eleRange 201 300 localForce
recorder Element -file ele0.out -time -eleRange 301 352 localForce
recorder Element -file ele1_secs.out -time -eleRange 1 100 section 1 deformation
recorder Element -file ele2_secs.out -time -eleRange 101 200 section 1 deformation
recorder Element -file ele3_secs.out -time -eleRange 201 300 section 1 deformation
recorder Element -file ele0_secs.out -time -eleRange 301 352 section 1 deformation
recorder Element -file ele1_secn.out -time -eleRange 1 100 section 4 deformation
recorder Element -file ele2_secn.out -time -eleRange 101 200 section 4 deformation
recorder Element -file ele3_secn.out -time -eleRange 201 300 section 4 deformation
recorder Element -file ele0_secn.out -time -eleRange 301 352 section 4 deformation
recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 "eigen 1"
recorder Node -file eigen1_node1.out -time -nodeRange 101 192 -dof 1 2 3 "eigen 1"
recorder Node -file eigen2_node0.out -time -nodeRange 1 100 -dof 1 2 3 "eigen 2"
recorder Node -file eigen2_node1.out -time -nodeRange 101 192 -dof 1 2 3 "eigen 2"
set numModes 12
set lambda [eigen  $numModes]
set period "Periods.txt"
set Periods [open $period "w"]
puts $Periods " $lambda"
close $Periods
record
