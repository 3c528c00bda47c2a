wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "restraint"
node 1 0.000E+000 0.000E+000 0.000E+000
node 2 6.000E+003 0.000E+000 0.000E+000
node 3 1.200E+004 0.000E+000 0.000E+000
node 4 0.000E+000 6.000E+003 0.000E+000
node 5 6.000E+003 6.000E+003 0.000E+000
node 6 1.200E+004 6.000E+003 0.000E+000
node 7 0.000E+000 1.200E+004 0.000E+000
node 8 6.000E+003 1.200E+004 0.000E+000
node 9 1.200E+004 1.200E+004 0.000E+000
node 10 0.000E+000 0.000E+000 3.600E+003
node 11 6.000E+003 0.000E+000 3.600E+003
node 12 1.200E+004 0.000E+000 3.600E+003
node 13 0.000E+000 6.000E+003 3.600E+003
node 14 6.000E+003 6.000E+003 3.600E+003
node 15 1.200E+004 6.000E+003 3.600E+003
node 16 0.000E+000 1.200E+004 3.600E+003
node 17 6.000E+003 1.200E+004 3.600E+003
node 18 1.200E+004 1.200E+004 3.600E+003
node 19 0.000E+000 0.000E+000 6.900E+003
node 20 6.000E+003 0.000E+000 6.900E+003
node 21 1.200E+004 0.000E+000 6.900E+003
node 22 0.000E+000 6.000E+003 6.900E+003
node 23 6.000E+003 6.000E+003 6.900E+003
node 24 1.200E+004 6.000E+003 6.900E+003
node 25 0.000E+000 1.200E+004 6.900E+003
node 26 6.000E+003 1.200E+004 6.900E+003
node 27 1.200E+004 1.200E+004 6.900E+003
node 28 0.000E+000 0.000E+000 1.020E+004
node 29 6.000E+003 0.000E+000 1.020E+004
node 30 1.200E+004 0.000E+000 1.020E+004
node 31 0.000E+000 6.000E+003 1.020E+004
node 32 6.000E+003 6.000E+003 1.020E+004
node 33 1.200E+004 6.000E+003 1.020E+004
node 34 0.000E+000 1.200E+004 1.020E+004
node 35 6.000E+003 1.200E+004 1.020E+004
node 36 1.200E+004 1.200E+004 1.020E+004
node 37 6.000E+003 6.000E+003 3.600E+003
node 38 6.000E+003 6.000E+003 6.900E+003
node 39 6.000E+003 6.000E+003 1.020E+004
node 40 0.000E+000 0.000E+000 0.000E+000
puts "rigidDiaphragm"
rigidDiaphragm 3 37 10
rigidDiaphragm 3 37 11
rigidDiaphragm 3 37 12
rigidDiaphragm 3 37 13
rigidDiaphragm 3 37 14
rigidDiaphragm 3 37 15
rigidDiaphragm 3 37 16
rigidDiaphragm 3 37 17
rigidDiaphragm 3 37 18
rigidDiaphragm 3 38 19
rigidDiaphragm 3 38 20
rigidDiaphragm 3 38 21
rigidDiaphragm 3 38 22
rigidDiaphragm 3 38 23
rigidDiaphragm 3 38 24
rigidDiaphragm 3 38 25
rigidDiaphragm 3 38 26
rigidDiaphragm 3 38 27
rigidDiaphragm 3 39 28
rigidDiaphragm 3 39 29
rigidDiaphragm 3 39 30
rigidDiaphragm 3 39 31
rigidDiaphragm 3 39 32
rigidDiaphragm 3 39 33
rigidDiaphragm 3 39 34
rigidDiaphragm 3 39 35
rigidDiaphragm 3 39 36
puts "mass"
mass 1 1.136E+000 1.136E+000 1.136E+000 0.000E+000 0.000E+000 0.000E+000
mass 2 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 3 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 4 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 5 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 6 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 7 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 8 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 9 1.080E+000 1.080E+000 1.080E+000 0.000E+000 0.000E+000 0.000E+000
mass 10 1.505E+001 1.505E+001 1.505E+001 0.000E+000 0.000E+000 0.000E+000
mass 11 2.703E+001 2.703E+001 2.703E+001 0.000E+000 0.000E+000 0.000E+000
mass 12 1.505E+001 1.505E+001 1.505E+001 0.000E+000 0.000E+000 0.000E+000
mass 13 2.693E+001 2.693E+001 2.693E+001 0.000E+000 0.000E+000 0.000E+000
mass 14 4.938E+001 4.938E+001 4.938E+001 0.000E+000 0.000E+000 0.000E+000
mass 15 2.693E+001 2.693E+001 2.693E+001 0.000E+000 0.000E+000 0.000E+000
mass 16 1.505E+001 1.505E+001 1.505E+001 0.000E+000 0.000E+000 0.000E+000
mass 17 2.693E+001 2.693E+001 2.693E+001 0.000E+000 0.000E+000 0.000E+000
mass 18 1.505E+001 1.505E+001 1.505E+001 0.000E+000 0.000E+000 0.000E+000
mass 19 1.477E+001 1.477E+001 1.477E+001 0.000E+000 0.000E+000 0.000E+000
mass 20 2.665E+001 2.665E+001 2.665E+001 0.000E+000 0.000E+000 0.000E+000
mass 21 1.477E+001 1.477E+001 1.477E+001 0.000E+000 0.000E+000 0.000E+000
mass 22 2.665E+001 2.665E+001 2.665E+001 0.000E+000 0.000E+000 0.000E+000
mass 23 4.911E+001 4.911E+001 4.911E+001 0.000E+000 0.000E+000 0.000E+000
mass 24 2.665E+001 2.665E+001 2.665E+001 0.000E+000 0.000E+000 0.000E+000
mass 25 1.477E+001 1.477E+001 1.477E+001 0.000E+000 0.000E+000 0.000E+000
mass 26 2.665E+001 2.665E+001 2.665E+001 0.000E+000 0.000E+000 0.000E+000
mass 27 1.477E+001 1.477E+001 1.477E+001 0.000E+000 0.000E+000 0.000E+000
mass 28 1.106E+001 1.106E+001 1.106E+001 0.000E+000 0.000E+000 0.000E+000
mass 29 2.023E+001 2.023E+001 2.023E+001 0.000E+000 0.000E+000 0.000E+000
mass 30 1.106E+001 1.106E+001 1.106E+001 0.000E+000 0.000E+000 0.000E+000
mass 31 2.023E+001 2.023E+001 2.023E+001 0.000E+000 0.000E+000 0.000E+000
mass 32 3.751E+001 3.751E+001 3.751E+001 0.000E+000 0.000E+000 0.000E+000
mass 33 2.023E+001 2.023E+001 2.023E+001 0.000E+000 0.000E+000 0.000E+000
mass 34 1.106E+001 1.106E+001 1.106E+001 0.000E+000 0.000E+000 0.000E+000
mass 35 2.023E+001 2.023E+001 2.023E+001 0.000E+000 0.000E+000 0.000E+000
mass 36 1.106E+001 1.106E+001 1.106E+001 0.000E+000 0.000E+000 0.000E+000
mass 40 1.607E-001 1.607E-001 1.607E-001 0.000E+000 0.000E+000 0.000E+000
puts "node"
fix 37 0 0 1 1 1 0
fix 38 0 0 1 1 1 0
fix 39 0 0 1 1 1 0
fix 1 1 1 1 1 1 1;
fix 2 1 1 1 1 1 1;
fix 3 1 1 1 1 1 1;
fix 4 1 1 1 1 1 1;
fix 5 1 1 1 1 1 1;
fix 6 1 1 1 1 1 1;
fix 7 1 1 1 1 1 1;
fix 8 1 1 1 1 1 1;
fix 9 1 1 1 1 1 1;
puts "Equal DOF"
equalDOF 1 40 1 2 3
puts "material"
uniaxialMaterial Elastic 1 2.000E+005
uniaxialMaterial Elastic 2 3.000E+004
##NC500X500 
section Fiber 1 -GJ 1.100E+014 {
fiber -2.000E+002 -2.000E+002 1.000E+004 2
fiber -1.000E+002 -2.000E+002 1.000E+004 2
fiber 0.000E+000 -2.000E+002 1.000E+004 2
fiber 1.000E+002 -2.000E+002 1.000E+004 2
fiber 2.000E+002 -2.000E+002 1.000E+004 2
fiber -2.000E+002 -1.000E+002 1.000E+004 2
fiber -1.000E+002 -1.000E+002 1.000E+004 2
fiber 0.000E+000 -1.000E+002 1.000E+004 2
fiber 1.000E+002 -1.000E+002 1.000E+004 2
fiber 2.000E+002 -1.000E+002 1.000E+004 2
fiber -2.000E+002 0.000E+000 1.000E+004 2
fiber -1.000E+002 0.000E+000 1.000E+004 2
fiber 0.000E+000 0.000E+000 1.000E+004 2
fiber 1.000E+002 0.000E+000 1.000E+004 2
fiber 2.000E+002 0.000E+000 1.000E+004 2
fiber -2.000E+002 1.000E+002 1.000E+004 2
fiber -1.000E+002 1.000E+002 1.000E+004 2
fiber 0.000E+000 1.000E+002 1.000E+004 2
fiber 1.000E+002 1.000E+002 1.000E+004 2
fiber 2.000E+002 1.000E+002 1.000E+004 2
fiber -2.000E+002 2.000E+002 1.000E+004 2
fiber -1.000E+002 2.000E+002 1.000E+004 2
fiber 0.000E+000 2.000E+002 1.000E+004 2
fiber 1.000E+002 2.000E+002 1.000E+004 2
fiber 2.000E+002 2.000E+002 1.000E+004 2
fiber -2.150E+002 -2.150E+002 2.000E+002 1
fiber -1.075E+002 -2.150E+002 2.000E+002 1
fiber 0.000E+000 -2.150E+002 2.000E+002 1
fiber 1.075E+002 -2.150E+002 2.000E+002 1
fiber 2.150E+002 -2.150E+002 2.000E+002 1
fiber -2.150E+002 2.150E+002 2.000E+002 1
fiber -1.075E+002 2.150E+002 2.000E+002 1
fiber 0.000E+000 2.150E+002 2.000E+002 1
fiber 1.075E+002 2.150E+002 2.000E+002 1
fiber 2.150E+002 2.150E+002 2.000E+002 1
fiber -2.150E+002 -1.433E+002 2.000E+002 1
fiber -2.150E+002 -7.167E+001 2.000E+002 1
fiber -2.150E+002 0.000E+000 2.000E+002 1
fiber -2.150E+002 7.167E+001 2.000E+002 1
fiber -2.150E+002 1.433E+002 2.000E+002 1
fiber 2.150E+002 -1.433E+002 2.000E+002 1
fiber 2.150E+002 -7.167E+001 2.000E+002 1
fiber 2.150E+002 0.000E+000 2.000E+002 1
fiber 2.150E+002 7.167E+001 2.000E+002 1
fiber 2.150E+002 1.433E+002 2.000E+002 1
}
##DC450X450 
section Fiber 2 -GJ 7.219E+013 {
fiber -1.800E+002 -1.800E+002 8.100E+003 2
fiber -9.000E+001 -1.800E+002 8.100E+003 2
fiber 0.000E+000 -1.800E+002 8.100E+003 2
fiber 9.000E+001 -1.800E+002 8.100E+003 2
fiber 1.800E+002 -1.800E+002 8.100E+003 2
fiber -1.800E+002 -9.000E+001 8.100E+003 2
fiber -9.000E+001 -9.000E+001 8.100E+003 2
fiber 0.000E+000 -9.000E+001 8.100E+003 2
fiber 9.000E+001 -9.000E+001 8.100E+003 2
fiber 1.800E+002 -9.000E+001 8.100E+003 2
fiber -1.800E+002 0.000E+000 8.100E+003 2
fiber -9.000E+001 0.000E+000 8.100E+003 2
fiber 0.000E+000 0.000E+000 8.100E+003 2
fiber 9.000E+001 0.000E+000 8.100E+003 2
fiber 1.800E+002 0.000E+000 8.100E+003 2
fiber -1.800E+002 9.000E+001 8.100E+003 2
fiber -9.000E+001 9.000E+001 8.100E+003 2
fiber 0.000E+000 9.000E+001 8.100E+003 2
fiber 9.000E+001 9.000E+001 8.100E+003 2
fiber 1.800E+002 9.000E+001 8.100E+003 2
fiber -1.800E+002 1.800E+002 8.100E+003 2
fiber -9.000E+001 1.800E+002 8.100E+003 2
fiber 0.000E+000 1.800E+002 8.100E+003 2
fiber 9.000E+001 1.800E+002 8.100E+003 2
fiber 1.800E+002 1.800E+002 8.100E+003 2
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
##NB300X600 
section Fiber 3 -GJ 4.635E+013 {
fiber -1.200E+002 -2.400E+002 7.200E+003 2
fiber -6.000E+001 -2.400E+002 7.200E+003 2
fiber 0.000E+000 -2.400E+002 7.200E+003 2
fiber 6.000E+001 -2.400E+002 7.200E+003 2
fiber 1.200E+002 -2.400E+002 7.200E+003 2
fiber -1.200E+002 -1.200E+002 7.200E+003 2
fiber -6.000E+001 -1.200E+002 7.200E+003 2
fiber 0.000E+000 -1.200E+002 7.200E+003 2
fiber 6.000E+001 -1.200E+002 7.200E+003 2
fiber 1.200E+002 -1.200E+002 7.200E+003 2
fiber -1.200E+002 0.000E+000 7.200E+003 2
fiber -6.000E+001 0.000E+000 7.200E+003 2
fiber 0.000E+000 0.000E+000 7.200E+003 2
fiber 6.000E+001 0.000E+000 7.200E+003 2
fiber 1.200E+002 0.000E+000 7.200E+003 2
fiber -1.200E+002 1.200E+002 7.200E+003 2
fiber -6.000E+001 1.200E+002 7.200E+003 2
fiber 0.000E+000 1.200E+002 7.200E+003 2
fiber 6.000E+001 1.200E+002 7.200E+003 2
fiber 1.200E+002 1.200E+002 7.200E+003 2
fiber -1.200E+002 2.400E+002 7.200E+003 2
fiber -6.000E+001 2.400E+002 7.200E+003 2
fiber 0.000E+000 2.400E+002 7.200E+003 2
fiber 6.000E+001 2.400E+002 7.200E+003 2
fiber 1.200E+002 2.400E+002 7.200E+003 2
fiber -1.150E+002 -2.650E+002 2.000E+002 1
fiber -5.750E+001 -2.650E+002 2.000E+002 1
fiber 0.000E+000 -2.650E+002 2.000E+002 1
fiber 5.750E+001 -2.650E+002 2.000E+002 1
fiber 1.150E+002 -2.650E+002 2.000E+002 1
fiber -1.150E+002 2.650E+002 2.000E+002 1
fiber -5.750E+001 2.650E+002 2.000E+002 1
fiber 0.000E+000 2.650E+002 2.000E+002 1
fiber 5.750E+001 2.650E+002 2.000E+002 1
fiber 1.150E+002 2.650E+002 2.000E+002 1
fiber -1.150E+002 -1.767E+002 2.000E+002 1
fiber -1.150E+002 -8.833E+001 2.000E+002 1
fiber -1.150E+002 0.000E+000 2.000E+002 1
fiber -1.150E+002 8.833E+001 2.000E+002 1
fiber -1.150E+002 1.767E+002 2.000E+002 1
fiber 1.150E+002 -1.767E+002 2.000E+002 1
fiber 1.150E+002 -8.833E+001 2.000E+002 1
fiber 1.150E+002 0.000E+000 2.000E+002 1
fiber 1.150E+002 8.833E+001 2.000E+002 1
fiber 1.150E+002 1.767E+002 2.000E+002 1
}
##HB300X600 
section Fiber 4 -GJ 4.635E+013 {
fiber -1.200E+002 -2.400E+002 7.200E+003 2
fiber -6.000E+001 -2.400E+002 7.200E+003 2
fiber 0.000E+000 -2.400E+002 7.200E+003 2
fiber 6.000E+001 -2.400E+002 7.200E+003 2
fiber 1.200E+002 -2.400E+002 7.200E+003 2
fiber -1.200E+002 -1.200E+002 7.200E+003 2
fiber -6.000E+001 -1.200E+002 7.200E+003 2
fiber 0.000E+000 -1.200E+002 7.200E+003 2
fiber 6.000E+001 -1.200E+002 7.200E+003 2
fiber 1.200E+002 -1.200E+002 7.200E+003 2
fiber -1.200E+002 0.000E+000 7.200E+003 2
fiber -6.000E+001 0.000E+000 7.200E+003 2
fiber 0.000E+000 0.000E+000 7.200E+003 2
fiber 6.000E+001 0.000E+000 7.200E+003 2
fiber 1.200E+002 0.000E+000 7.200E+003 2
fiber -1.200E+002 1.200E+002 7.200E+003 2
fiber -6.000E+001 1.200E+002 7.200E+003 2
fiber 0.000E+000 1.200E+002 7.200E+003 2
fiber 6.000E+001 1.200E+002 7.200E+003 2
fiber 1.200E+002 1.200E+002 7.200E+003 2
fiber -1.200E+002 2.400E+002 7.200E+003 2
fiber -6.000E+001 2.400E+002 7.200E+003 2
fiber 0.000E+000 2.400E+002 7.200E+003 2
fiber 6.000E+001 2.400E+002 7.200E+003 2
fiber 1.200E+002 2.400E+002 7.200E+003 2
fiber -1.150E+002 -2.650E+002 2.000E+002 1
fiber -5.750E+001 -2.650E+002 2.000E+002 1
fiber 0.000E+000 -2.650E+002 2.000E+002 1
fiber 5.750E+001 -2.650E+002 2.000E+002 1
fiber 1.150E+002 -2.650E+002 2.000E+002 1
fiber -1.150E+002 2.650E+002 2.000E+002 1
fiber -5.750E+001 2.650E+002 2.000E+002 1
fiber 0.000E+000 2.650E+002 2.000E+002 1
fiber 5.750E+001 2.650E+002 2.000E+002 1
fiber 1.150E+002 2.650E+002 2.000E+002 1
fiber -1.150E+002 -1.767E+002 2.000E+002 1
fiber -1.150E+002 -8.833E+001 2.000E+002 1
fiber -1.150E+002 0.000E+000 2.000E+002 1
fiber -1.150E+002 8.833E+001 2.000E+002 1
fiber -1.150E+002 1.767E+002 2.000E+002 1
fiber 1.150E+002 -1.767E+002 2.000E+002 1
fiber 1.150E+002 -8.833E+001 2.000E+002 1
fiber 1.150E+002 0.000E+000 2.000E+002 1
fiber 1.150E+002 8.833E+001 2.000E+002 1
fiber 1.150E+002 1.767E+002 2.000E+002 1
}
##TBR168X8 
section Fiber 6 -GJ 1.996E+012 {
fiber 8.015E+001 0.000E+000 2.014E+002 1
fiber 7.623E+001 2.477E+001 2.014E+002 1
fiber 6.484E+001 4.711E+001 2.014E+002 1
fiber 4.711E+001 6.484E+001 2.014E+002 1
fiber 2.477E+001 7.623E+001 2.014E+002 1
fiber 4.908E-015 8.015E+001 2.014E+002 1
fiber -2.477E+001 7.623E+001 2.014E+002 1
fiber -4.711E+001 6.484E+001 2.014E+002 1
fiber -6.484E+001 4.711E+001 2.014E+002 1
fiber -7.623E+001 2.477E+001 2.014E+002 1
fiber -8.015E+001 9.816E-015 2.014E+002 1
fiber -7.623E+001 -2.477E+001 2.014E+002 1
fiber -6.484E+001 -4.711E+001 2.014E+002 1
fiber -4.711E+001 -6.484E+001 2.014E+002 1
fiber -2.477E+001 -7.623E+001 2.014E+002 1
fiber -1.472E-014 -8.015E+001 2.014E+002 1
fiber 2.477E+001 -7.623E+001 2.014E+002 1
fiber 4.711E+001 -6.484E+001 2.014E+002 1
fiber 6.484E+001 -4.711E+001 2.014E+002 1
fiber 7.623E+001 -2.477E+001 2.014E+002 1
}

nDMaterial ElasticIsotropic 2 3.000E+004 2.000E-001
##SLAB150 
nDMaterial PlateFiber 601 2
section PlateFiber 701 601 150.00
##SLAB120 
nDMaterial PlateFiber 602 2
section PlateFiber 702 602 120.00
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
geomTransf Linear 28 0.000 0.000 1.000 
geomTransf Linear 29 0.000 0.000 1.000 
geomTransf Linear 30 0.000 0.000 1.000 
geomTransf Linear 31 0.000 0.000 1.000 
geomTransf Linear 32 0.000 0.000 1.000 
geomTransf Linear 33 0.000 0.000 1.000 
geomTransf Linear 34 0.000 0.000 1.000 
geomTransf Linear 35 0.000 0.000 1.000 
geomTransf Linear 36 0.000 0.000 1.000 
geomTransf Linear 37 0.000 0.000 1.000 
geomTransf Linear 38 0.000 0.000 1.000 
geomTransf Linear 39 0.000 0.000 1.000 
geomTransf Linear 40 0.000 0.000 1.000 
geomTransf Linear 41 0.000 0.000 1.000 
geomTransf Linear 42 0.000 0.000 1.000 
geomTransf Linear 43 0.000 0.000 1.000 
geomTransf Linear 44 0.000 0.000 1.000 
geomTransf Linear 45 0.000 0.000 1.000 
geomTransf Linear 46 0.000 0.000 1.000 
geomTransf Linear 47 0.000 0.000 1.000 
geomTransf Linear 48 0.000 0.000 1.000 
geomTransf Linear 49 0.000 0.000 1.000 
geomTransf Linear 50 0.000 0.000 1.000 
geomTransf Linear 51 0.000 0.000 1.000 
geomTransf Linear 52 0.000 0.000 1.000 
geomTransf Linear 53 0.000 0.000 1.000 
geomTransf Linear 54 0.000 0.000 1.000 
geomTransf Linear 55 0.000 0.000 1.000 
geomTransf Linear 56 0.000 0.000 1.000 
geomTransf Linear 57 0.000 0.000 1.000 
geomTransf Linear 58 0.000 0.000 1.000 
geomTransf Linear 59 0.000 0.000 1.000 
geomTransf Linear 60 0.000 0.000 1.000 
geomTransf Linear 61 0.000 0.000 1.000 
geomTransf Linear 62 0.000 0.000 1.000 
geomTransf Linear 63 0.000 0.000 1.000 
puts "element"
element nonlinearBeamColumn 1 1 10 3 1 1
element nonlinearBeamColumn 2 2 11 3 1 2
element nonlinearBeamColumn 3 3 12 3 1 3
element nonlinearBeamColumn 4 4 13 3 1 4
element nonlinearBeamColumn 5 5 14 3 1 5
element nonlinearBeamColumn 6 6 15 3 1 6
element nonlinearBeamColumn 7 7 16 3 1 7
element nonlinearBeamColumn 8 8 17 3 1 8
element nonlinearBeamColumn 9 9 18 3 1 9
element dispBeamColumn 10 10 19 3 2 10
element dispBeamColumn 11 11 20 3 2 11
element dispBeamColumn 12 12 21 3 2 12
element dispBeamColumn 13 13 22 3 2 13
element dispBeamColumn 14 14 23 3 2 14
element dispBeamColumn 15 15 24 3 2 15
element dispBeamColumn 16 16 25 3 2 16
element dispBeamColumn 17 17 26 3 2 17
element dispBeamColumn 18 18 27 3 2 18
element dispBeamColumn 19 19 28 3 2 19
element dispBeamColumn 20 20 29 3 2 20
element dispBeamColumn 21 21 30 3 2 21
element dispBeamColumn 22 22 31 3 2 22
element dispBeamColumn 23 23 32 3 2 23
element dispBeamColumn 24 24 33 3 2 24
element dispBeamColumn 25 25 34 3 2 25
element dispBeamColumn 26 26 35 3 2 26
element dispBeamColumn 27 27 36 3 2 27
element nonlinearBeamColumn 28 10 11 3 3 28
element nonlinearBeamColumn 29 11 12 3 3 29
element nonlinearBeamColumn 30 13 14 3 3 30
element nonlinearBeamColumn 31 14 15 3 3 31
element nonlinearBeamColumn 32 16 17 3 3 32
element nonlinearBeamColumn 33 17 18 3 3 33
element nonlinearBeamColumn 34 10 13 3 3 34
element nonlinearBeamColumn 35 13 16 3 3 35
element nonlinearBeamColumn 36 11 14 3 3 36
element nonlinearBeamColumn 37 14 17 3 3 37
element nonlinearBeamColumn 38 12 15 3 3 38
element nonlinearBeamColumn 39 15 18 3 3 39
element beamWithHinges 40 19 20 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 40 
element beamWithHinges 41 20 21 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 41 
element beamWithHinges 42 22 23 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 42 
element beamWithHinges 43 23 24 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 43 
element beamWithHinges 44 25 26 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 44 
element beamWithHinges 45 26 27 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 45 
element beamWithHinges 46 19 22 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 46 
element beamWithHinges 47 22 25 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 47 
element beamWithHinges 48 20 23 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 48 
element beamWithHinges 49 23 26 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 49 
element beamWithHinges 50 21 24 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 50 
element beamWithHinges 51 24 27 4 600 4 600 3.000E+004 1.800E+005 1.350E+009 5.400E+009 1.250E+004 3.708E+009 51 
element elasticBeamColumn 52 28 29 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 52
element elasticBeamColumn 53 29 30 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 53
element elasticBeamColumn 54 31 32 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 54
element elasticBeamColumn 55 32 33 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 55
element elasticBeamColumn 56 34 35 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 56
element elasticBeamColumn 57 35 36 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 57
element elasticBeamColumn 58 28 31 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 58
element elasticBeamColumn 59 31 34 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 59
element elasticBeamColumn 60 29 32 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 60
element elasticBeamColumn 61 32 35 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 61
element elasticBeamColumn 62 30 33 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 62
element elasticBeamColumn 63 33 36 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 1.125E+009 63
element trussSection 64 40 11 6
element zeroLength 65 40 1 -mat 1 1 1 -dir 4 5 6
puts "shell element"
element ShellMITC4 66 10 11 14 13 701
element ShellMITC4 67 11 12 15 14 701
element ShellMITC4 68 13 14 17 16 701
element ShellMITC4 69 14 15 18 17 701
element ShellMITC4 70 19 20 23 22 701
element ShellMITC4 71 20 21 24 23 701
element ShellMITC4 72 22 23 26 25 701
element ShellMITC4 73 23 24 27 26 701
element ShellMITC4 74 28 29 32 31 702
element ShellMITC4 75 29 30 33 32 702
element ShellMITC4 76 31 32 35 34 702
element ShellMITC4 77 32 33 36 35 702
puts "SOLID element"
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 40 -dof 1 2 3 disp
puts "gravity"
## Load Case = DEAD
pattern Plain 1 Linear {
eleLoad -ele 28 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 29 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 30 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 31 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 32 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 33 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 34 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 35 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 36 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 37 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 38 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 39 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 40 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 41 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 42 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 43 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 44 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 45 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 46 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 47 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 48 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 49 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 50 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 51 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 52 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 53 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 54 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 55 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 56 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 57 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 58 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 59 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 60 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 61 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 62 -type -beamUniform 0 -2.200E+001 0
eleLoad -ele 63 -type -beamUniform 0 -2.200E+001 0
}
puts "analysis"
constraints Transformation
numberer Plain
system BandGeneral
test EnergyIncr 1.0e-6 200
algorithm Newton
integrator LoadControl 5.000E-003
analysis Static
analyze 100
loadConst -time 0.0
 
set xDamp 0.05;
set nEigenI 1;
set nEigenJ 2;
set lambdaN [eigen [expr $nEigenJ]];
set lambdaI [lindex $lambdaN [expr $nEigenI-1]];
set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];
set omegaI [expr pow($lambdaI,0.5)]; 
set omegaJ [expr pow($lambdaJ,0.5)];
set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)]; 
set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];   
rayleigh $alphaM $betaKcurr 0 0  
  
set IDloadTag 1001;
set iGMfile "GMX.txt";
set iGMdirection "1"; 
set iGMfact "0.1";  
set dt 0.02;   
foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact { 
incr IDloadTag; 
set GMfatt [expr 1*$iGMfact];  
set AccelSeries "Series -dt $dt -filePath $iGMfile -factor  $GMfatt";
pattern UniformExcitation  $IDloadTag  $GMdirection -accel  $AccelSeries; 
}  
  
constraints Transformation; 
numberer Plain;  
system UmfPack; 
test EnergyIncr 1.0e-4 200; 
algorithm Newton 
integrator Newmark 0.5 0.25 
analysis Transient
analyze 1000 0.02
