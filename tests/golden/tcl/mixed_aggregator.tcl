wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "restraint"
node 1 0.000E+000 0.000E+000 0.000E+000
node 2 5.000E+003 0.000E+000 0.000E+000
node 3 0.000E+000 4.000E+003 0.000E+000
node 4 5.000E+003 4.000E+003 0.000E+000
node 5 0.000E+000 0.000E+000 3.000E+003
node 6 5.000E+003 0.000E+000 3.000E+003
node 7 0.000E+000 4.000E+003 3.000E+003
node 8 5.000E+003 4.000E+003 3.000E+003
node 9 2.500E+003 2.000E+003 3.000E+003
node 10 1.235E+003 0.000E+000 0.000E+000
node 11 1.235E+003 0.000E+000 0.000E+000
node 12 5.000E+003 4.000E+003 0.000E+000
puts "rigidDiaphragm"
rigidDiaphragm 3 9 5
rigidDiaphragm 3 9 6
rigidDiaphragm 3 9 7
rigidDiaphragm 3 9 8
puts "mass"
mass 1 7.417E-001 7.417E-001 7.417E-001 0.000E+000 0.000E+000 0.000E+000
mass 2 9.387E-001 9.387E-001 9.387E-001 0.000E+000 0.000E+000 0.000E+000
mass 3 3.547E+000 3.547E+000 3.547E+000 0.000E+000 0.000E+000 0.000E+000
mass 4 4.143E+000 4.143E+000 4.143E+000 0.000E+000 0.000E+000 0.000E+000
mass 5 4.538E+000 4.538E+000 4.538E+000 0.000E+000 0.000E+000 0.000E+000
mass 6 4.664E+000 4.664E+000 3.414E+000 0.000E+000 0.000E+000 0.000E+000
mass 7 5.829E+000 5.829E+000 5.829E+000 0.000E+000 0.000E+000 0.000E+000
mass 8 6.605E+000 6.605E+000 6.605E+000 0.000E+000 0.000E+000 0.000E+000
mass 10 3.300E-001 3.300E-001 3.300E-001 0.000E+000 0.000E+000 0.000E+000
mass 11 5.888E-002 5.888E-002 5.888E-002 0.000E+000 0.000E+000 0.000E+000
mass 12 1.963E-002 1.963E-002 1.963E-002 0.000E+000 0.000E+000 0.000E+000
puts "node"
fix 9 0 0 1 1 1 0
fix 1 1 1 1 1 1 1;
fix 2 1 1 1 0 0 0;
fix 3 1 1 1 1 1 1;
fix 4 0 0 1 0 0 0;
fix 10 1 1 1 1 1 1;
puts "Equal DOF"
equalDOF 10 11 1 2 3
equalDOF 4 12 1 2 3
puts "material"
uniaxialMaterial Elastic 1 2.000E+005
uniaxialMaterial Elastic 2 3.000E+004
uniaxialMaterial Elastic 3 7.000E+004
uniaxialMaterial Elastic 201 1.667E+009
uniaxialMaterial Elastic 301 1.667E+009
uniaxialMaterial Elastic 401 4.507E+013
uniaxialMaterial Elastic 202 1.302E+009
uniaxialMaterial Elastic 302 1.302E+009
uniaxialMaterial Elastic 402 2.235E+013
uniaxialMaterial Elastic 203 2.564E+008
uniaxialMaterial Elastic 303 5.128E+008
uniaxialMaterial Elastic 403 9.231E+010
uniaxialMaterial Elastic 204 4.615E+008
uniaxialMaterial Elastic 304 3.692E+008
uniaxialMaterial Elastic 404 1.187E+013
uniaxialMaterial Elastic 205 4.592E+008
uniaxialMaterial Elastic 305 4.592E+008
uniaxialMaterial Elastic 405 4.155E+012
uniaxialMaterial Elastic 206 1.316E+008
uniaxialMaterial Elastic 306 1.316E+008
uniaxialMaterial Elastic 406 4.112E+012
uniaxialMaterial Elastic 207 0.000E+000
uniaxialMaterial Elastic 307 0.000E+000
uniaxialMaterial Elastic 407 0.000E+000
uniaxialMaterial Elastic 208 6.410E+008
uniaxialMaterial Elastic 308 6.410E+008
uniaxialMaterial Elastic 408 1.083E+012
uniaxialMaterial Elastic 209 6.250E+008
uniaxialMaterial Elastic 309 6.250E+008
uniaxialMaterial Elastic 409 5.869E+012
##NCOL400 
section Fiber 1 -GJ 4.507E+013 {
fiber -1.333E+002 -1.500E+002 1.333E+004 2
fiber 2.842E-014 -1.500E+002 1.333E+004 2
fiber 1.333E+002 -1.500E+002 1.333E+004 2
fiber -1.333E+002 -5.000E+001 1.333E+004 2
fiber 2.842E-014 -5.000E+001 1.333E+004 2
fiber 1.333E+002 -5.000E+001 1.333E+004 2
fiber -1.333E+002 5.000E+001 1.333E+004 2
fiber 2.842E-014 5.000E+001 1.333E+004 2
fiber 1.333E+002 5.000E+001 1.333E+004 2
fiber -1.333E+002 1.500E+002 1.333E+004 2
fiber 2.842E-014 1.500E+002 1.333E+004 2
fiber 1.333E+002 1.500E+002 1.333E+004 2
fiber -1.650E+002 -1.650E+002 2.000E+002 1
fiber -8.250E+001 -1.650E+002 2.000E+002 1
fiber 0.000E+000 -1.650E+002 2.000E+002 1
fiber 8.250E+001 -1.650E+002 2.000E+002 1
fiber 1.650E+002 -1.650E+002 2.000E+002 1
fiber -1.650E+002 1.650E+002 2.000E+002 1
fiber -8.250E+001 1.650E+002 2.000E+002 1
fiber 0.000E+000 1.650E+002 2.000E+002 1
fiber 8.250E+001 1.650E+002 2.000E+002 1
fiber 1.650E+002 1.650E+002 2.000E+002 1
fiber -1.650E+002 -1.100E+002 2.000E+002 1
fiber -1.650E+002 -5.500E+001 2.000E+002 1
fiber -1.650E+002 0.000E+000 2.000E+002 1
fiber -1.650E+002 5.500E+001 2.000E+002 1
fiber -1.650E+002 1.100E+002 2.000E+002 1
fiber 1.650E+002 -1.100E+002 2.000E+002 1
fiber 1.650E+002 -5.500E+001 2.000E+002 1
fiber 1.650E+002 0.000E+000 2.000E+002 1
fiber 1.650E+002 5.500E+001 2.000E+002 1
fiber 1.650E+002 1.100E+002 2.000E+002 1
}
##DBEAM 
section Fiber 2 -GJ 2.235E+013 {
fiber -1.000E+002 -2.000E+002 5.000E+003 2
fiber -5.000E+001 -2.000E+002 5.000E+003 2
fiber 0.000E+000 -2.000E+002 5.000E+003 2
fiber 5.000E+001 -2.000E+002 5.000E+003 2
fiber 1.000E+002 -2.000E+002 5.000E+003 2
fiber -1.000E+002 -1.000E+002 5.000E+003 2
fiber -5.000E+001 -1.000E+002 5.000E+003 2
fiber 0.000E+000 -1.000E+002 5.000E+003 2
fiber 5.000E+001 -1.000E+002 5.000E+003 2
fiber 1.000E+002 -1.000E+002 5.000E+003 2
fiber -1.000E+002 0.000E+000 5.000E+003 2
fiber -5.000E+001 0.000E+000 5.000E+003 2
fiber 0.000E+000 0.000E+000 5.000E+003 2
fiber 5.000E+001 0.000E+000 5.000E+003 2
fiber 1.000E+002 0.000E+000 5.000E+003 2
fiber -1.000E+002 1.000E+002 5.000E+003 2
fiber -5.000E+001 1.000E+002 5.000E+003 2
fiber 0.000E+000 1.000E+002 5.000E+003 2
fiber 5.000E+001 1.000E+002 5.000E+003 2
fiber 1.000E+002 1.000E+002 5.000E+003 2
fiber -1.000E+002 2.000E+002 5.000E+003 2
fiber -5.000E+001 2.000E+002 5.000E+003 2
fiber 0.000E+000 2.000E+002 5.000E+003 2
fiber 5.000E+001 2.000E+002 5.000E+003 2
fiber 1.000E+002 2.000E+002 5.000E+003 2
fiber -9.000E+001 2.150E+002 3.000E+002 1
fiber 0.000E+000 2.150E+002 3.000E+002 1
fiber 9.000E+001 2.150E+002 3.000E+002 1
fiber -9.000E+001 -2.150E+002 3.000E+002 1
fiber 9.000E+001 -2.150E+002 3.000E+002 1
}
##HGIRDER 
section Fiber 3 -GJ 9.231E+010 {
fiber -8.000E+001 -1.900E+002 8.000E+002 1
fiber -4.000E+001 -1.900E+002 8.000E+002 1
fiber 0.000E+000 -1.900E+002 8.000E+002 1
fiber 4.000E+001 -1.900E+002 8.000E+002 1
fiber 8.000E+001 -1.900E+002 8.000E+002 1
fiber -8.000E+001 1.900E+002 8.000E+002 1
fiber -4.000E+001 1.900E+002 8.000E+002 1
fiber 0.000E+000 1.900E+002 8.000E+002 1
fiber 4.000E+001 1.900E+002 8.000E+002 1
fiber 8.000E+001 1.900E+002 8.000E+002 1
fiber 0.000E+000 -1.440E+002 7.200E+002 1
fiber 0.000E+000 -7.200E+001 7.200E+002 1
fiber 0.000E+000 0.000E+000 7.200E+002 1
fiber 0.000E+000 7.200E+001 7.200E+002 1
fiber 0.000E+000 1.440E+002 7.200E+002 1
}
##TPIPE 
section Fiber 5 -GJ 4.155E+012 {
fiber 9.500E+001 0.000E+000 7.461E+002 1
fiber 6.718E+001 6.718E+001 7.461E+002 1
fiber 5.817E-015 9.500E+001 7.461E+002 1
fiber -6.718E+001 6.718E+001 7.461E+002 1
fiber -9.500E+001 1.163E-014 7.461E+002 1
fiber -6.718E+001 -6.718E+001 7.461E+002 1
fiber -1.745E-014 -9.500E+001 7.461E+002 1
fiber 6.718E+001 -6.718E+001 7.461E+002 1
}
##CBOX 
section Fiber 6 -GJ 4.112E+012 {
fiber -1.000E+002 -1.200E+002 5.000E+002 3
fiber -5.000E+001 -1.200E+002 5.000E+002 3
fiber 0.000E+000 -1.200E+002 5.000E+002 3
fiber 5.000E+001 -1.200E+002 5.000E+002 3
fiber 1.000E+002 -1.200E+002 5.000E+002 3
fiber -1.000E+002 1.200E+002 5.000E+002 3
fiber -5.000E+001 1.200E+002 5.000E+002 3
fiber 0.000E+000 1.200E+002 5.000E+002 3
fiber 5.000E+001 1.200E+002 5.000E+002 3
fiber 1.000E+002 1.200E+002 5.000E+002 3
fiber -1.200E+002 -9.200E+001 4.600E+002 3
fiber -1.200E+002 -4.600E+001 4.600E+002 3
fiber -1.200E+002 0.000E+000 4.600E+002 3
fiber -1.200E+002 4.600E+001 4.600E+002 3
fiber -1.200E+002 9.200E+001 4.600E+002 3
fiber 1.200E+002 -9.200E+001 4.600E+002 3
fiber 1.200E+002 -4.600E+001 4.600E+002 3
fiber 1.200E+002 0.000E+000 4.600E+002 3
fiber 1.200E+002 4.600E+001 4.600E+002 3
fiber 1.200E+002 9.200E+001 4.600E+002 3
}
##NCIRC 
section Fiber 7 -GJ 0.000E+000 {
}
section Aggregator 1001 201 Vy 301 Vz 401 T -section 1
section Aggregator 1002 202 Vy 302 Vz 402 T -section 2
section Aggregator 1003 203 Vy 303 Vz 403 T -section 3
section Aggregator 1007 207 Vy 307 Vz 407 T -section 7

nDMaterial ElasticIsotropic 1 2.000E+005 3.000E-001
nDMaterial ElasticIsotropic 2 3.000E+004 2.000E-001
##SLAB150 
nDMaterial PlateFiber 601 2
section PlateFiber 701 601 150.00
##WALL120 
nDMaterial PlateFiber 602 1
section PlateFiber 702 602 120.50
puts "transformation"
geomTransf PDelta 1 1.000 0.000 0.000 
geomTransf PDelta 2 0.000 1.000 0.000 
geomTransf Linear 3 1.000 0.000 0.000 
geomTransf PDelta 4 -1.000 0.000 0.000 
geomTransf Linear 5 0.000 0.000 1.000 
geomTransf Corotational 6 0.000 -0.500 0.866 
geomTransf Linear 7 0.000 0.000 1.000 
geomTransf Linear 8 0.000 0.000 1.000 
geomTransf Linear 12 0.000 0.000 1.000 
puts "element"
element nonlinearBeamColumn 1 1 5 3 1001 1
element nonlinearBeamColumn 2 2 6 3 1001 2
element nonlinearBeamColumn 3 3 7 3 1007 3
element nonlinearBeamColumn 4 8 4 3 1001 4
element dispBeamColumn 5 5 6 3 1002 5
element beamWithHinges 6 7 8 1003 351 1003 400 2.000E+005 1.160E+004 2.670E+007 3.421E+008 7.692E+004 1.200E+006 6 
element elasticBeamColumn 7 5 7 1.032E+004 2.000E+005 7.692E+004 1.543E+008 1.445E+008 7.015E+007 7
element elasticBeamColumn 8 6 8 6.000E+004 3.000E+004 1.250E+004 4.695E+008 4.500E+008 2.000E+008 8
element trussSection 9 1 8 5
element corotTrussSection 10 2 7 6
element zeroLength 11 11 10 -mat 1 1 1 -dir 4 5 6
element elasticBeamColumn 12 10 2 6.000E+004 3.000E+004 1.250E+004 4.695E+008 4.500E+008 2.000E+008 12
element zeroLength 13 4 12 -mat 1 1 1 -dir 4 5 6
puts "shell element"
element ShellMITC4 14 5 6 8 7 701
element ShellMITC4 16 3 4 8 7 702
puts "SOLID element"
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 12 -dof 1 2 3 disp
puts "loading"
## Load Case = DEAD
pattern Plain 1 Linear {
eleLoad -ele 5 -type -beamUniform 0 -3.000E+001 0
eleLoad -ele 6 -type -beamUniform 7.500E+000 0 0
eleLoad -ele 7 -type -beamUniform 0 0 1.250E+001
load 9 0.000E+000 0.000E+000 -5.000E+004 0.000E+000 0.000E+000 1.500E+006
}
puts "analysis"
constraints Transformation
numberer Plain
system BandGeneral
test EnergyIncr 1.0e-6 200
algorithm Newton
integrator LoadControl 1.000E-002
analysis Static
analyze 100
