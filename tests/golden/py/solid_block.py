# -*- coding: latin-1 -*-
import openseespy.opensees as ops

# The model: three dimensions, six degrees of freedom per node (three for solids only)
ops.wipe()
print('System')
ops.model('basic', '-ndm', 3, '-ndf', 3)
# Nodes, rigid diaphragms, masses and fixities
print('restraint')
ops.node(1, 0, 0, 0)
ops.node(2, 1000, 0, 0)
ops.node(3, 0, 1000, 0)
ops.node(4, 1000, 1000, 0)
ops.node(5, 0, 0, 1000)
ops.node(6, 1000, 0, 1000)
ops.node(7, 0, 1000, 1000)
ops.node(8, 1000, 1000, 1000)
ops.node(9, 0, 0, 2000)
ops.node(10, 1000, 0, 2000)
ops.node(11, 0, 1000, 2000)
ops.node(12, 1000, 1000, 2000)
print('rigidDiaphragm')
print('mass')
ops.mass(1, 0.9812500000000001, 0.9812500000000001, 0.9812500000000001)
ops.mass(2, 0.9812500000000001, 0.9812500000000001, 0.9812500000000001)
ops.mass(3, 0.9812500000000001, 0.9812500000000001, 0.9812500000000001)
ops.mass(4, 0.9812500000000001, 0.9812500000000001, 0.9812500000000001)
ops.mass(5, 1.9625, 1.9625, 1.9625)
ops.mass(6, 1.9625, 1.9625, 1.9625)
ops.mass(7, 1.9625, 1.9625, 1.9625)
ops.mass(8, 1.9625, 1.9625, 1.9625)
ops.mass(9, 0.98125, 0.98125, 0.98125)
ops.mass(10, 0.98125, 0.98125, 0.98125)
ops.mass(11, 0.98125, 0.98125, 0.98125)
ops.mass(12, 0.98125, 0.98125, 0.98125)
print('node')
ops.fix(1, 1, 1, 1)
ops.fix(2, 1, 1, 1)
ops.fix(3, 1, 1, 1)
ops.fix(4, 1, 1, 1)
# Rigid links: equal translations of their end joints
print('Equal DOF')
# Uniaxial materials
print('material')
ops.uniaxialMaterial('Elastic', 1, 200000)
# Fiber sections and section aggregators
# Plate-fiber materials and sections of the shells

# Geometric transformations and frame elements
print('transformation')
print('element')
# Shell elements
print('shell element')
# Solid elements and their materials
print('SOLID element')
ops.nDMaterial('ElasticIsotropic', 100, 200000, 0.3)
ops.element('stdBrick', 1, 1, 2, 4, 3, 5, 6, 8, 7, 100)
ops.element('stdBrick', 2, 5, 6, 8, 7, 9, 10, 12, 11, 100)
# Recorders
print('recorder')
ops.recorder('Node', '-file', 'node0.out', '-time', '-nodeRange', 1, 12, '-dof', 1, 2, 3, 'disp')
# Load patterns and the analysis procedure
print('loading')
## Load Case = TOP
ops.timeSeries('Linear', 1)
ops.pattern('Plain', 1, 1)
ops.load(9, 0, 0, -10000)
ops.load(10, 0, 0, -10000)
ops.load(11, 0, 0, -10000)
ops.load(12, 0, 0, -10000)
print('analysis')
ops.constraints('Plain')
ops.numberer('RCM')
ops.system('UmfPack')
ops.test('EnergyIncr', 1.0e-6, 200)
ops.algorithm('ModifiedNewton', '-factorOnce')
ops.integrator('LoadControl', 1.000E-002)
ops.analysis('Static')
ops.analyze(100)
